#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/forms/about.h"
#include "shell/forms/controls.h"
#include "shell/forms/form_setup.h"
#include "shell/forms/form_type.h"
#include "shell/model_band.h"
#include "support/gui_test.h"

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

using BandDialogTest = GuiTest;

TEST_F(BandDialogTest, OpeningShowsTheBandAndChoosingItAppliesTheExtraMegahertz) {
  Image(59, 1) = 0x00;
  auto* form = Open<Form_type>("Form_type");
  EXPECT_EQ(Image(59, 1), 0x00);  // looking changes nothing
  EXPECT_EQ(form->Combo_Band->currentIndex(), 3);
  form->Combo_Band->Select(3);
  EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(471));
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(400));
  EXPECT_EQ(Image(59, 0), 0x00);
  EXPECT_EQ(Image(59, 1), 0x40);
  EXPECT_EQ(Image(59, 2), 0x00);
  EXPECT_EQ(Image(59, 3), 0x47);
  EXPECT_EQ(form->windowTitle(), U("机型选择"));
  EXPECT_EQ(form->Label1->text(), U("机  型"));
  EXPECT_EQ(form->Combo_type->currentText(), "RT410");
  ASSERT_EQ(form->Combo_Band->count(), 5);
  EXPECT_EQ(form->Combo_Band->itemText(0), " 136- 174");
  EXPECT_EQ(form->Combo_Band->itemText(4), " 465- 520");
  EXPECT_EQ(form->Combo_Band->currentIndex(), 3);
}

TEST_F(BandDialogTest, PickingBandZeroAndCancelKeepsIt) {
  auto* form = Open<Form_type>("Form_type");
  form->Combo_Band->setCurrentIndex(0);
  emit form->Combo_Band->activated(0);  // as a pick from the list
  EXPECT_EQ(main->PanelText(7), " 136-- 174 MHZ");
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(136));
  EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(175));
  EXPECT_EQ(Doc().FreqLowInt(), 136);
  EXPECT_EQ(Doc().FreqHighInt(), 174);
  EXPECT_EQ(Doc().BandIndex(), 0);
  const std::uint8_t row59[4] = {0x60, 0x13, 0x40, 0x17};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Image(59, i), row59[i]);
  QTest::mouseClick(form->Command_cancel, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_type"), nullptr);
  EXPECT_EQ(Doc().BandIndex(), 0);
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(136));
}

TEST_F(BandDialogTest, TypingInTheBandBoxSelectsBandZero) {
  auto* form = Open<Form_type>("Form_type");
  form->Combo_Band->setFocus();
  QTest::keyClicks(form->Combo_Band->lineEdit(), "4");
  EXPECT_EQ(form->Combo_Band->currentIndex(), 0);
  EXPECT_EQ(form->Combo_Band->currentText(), " 136- 174");
  EXPECT_EQ(Doc().BandIndex(), 0);
  EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(175));
  EXPECT_EQ(main->PanelText(7), " 136-- 174 MHZ");
  QTest::keyClicks(form->Combo_type->lineEdit(), "X");
  EXPECT_EQ(form->Combo_type->currentText(), "RT410");
}

TEST_F(BandDialogTest, EnglishCaptions) {
  main->Language_eng->trigger();
  auto* form = Open<Form_type>("Form_type");
  EXPECT_EQ(form->windowTitle(), "Model Select");
  EXPECT_EQ(form->Command_cancel->text(), "Cancel");
  EXPECT_EQ(form->Label2->text(), "Band");
}

TEST_F(BandDialogTest, PlacedInTheClientArea) {
  auto* form = Open<Form_type>("Form_type");
  const QSize client = main->MdiArea()->viewport()->size();
  const QRect frame = form->SubWindow()->geometry();
  EXPECT_EQ(frame.width(), client.width() / 2);
  EXPECT_EQ(frame.height(), static_cast<int>(client.height() / 1.8));
  EXPECT_EQ(frame.left(), (client.width() - frame.width()) / 2);
  EXPECT_EQ(frame.top(), (client.height() - frame.height()) / 2 - 33);
}

TEST_F(BandDialogTest, StaysReachableInATinyMainWindow) {
  main->resize(300, 220);
  ProcessEvents();
  auto* form = Open<Form_type>("Form_type");
  const QRect frame = form->SubWindow()->geometry();
  // The computed top lies above the client area; the title bar is kept inside it.
  EXPECT_GE(frame.top(), 0);
  EXPECT_GE(frame.left(), 0);
  EXPECT_LT(frame.top(), main->MdiArea()->viewport()->height());
}

using PortDialogTest = GuiTest;

TEST_F(PortDialogTest, ConfirmingAPortUpdatesThePanel) {
  auto* form = Open<Form_setup>("Form_setup");
  EXPECT_TRUE(form->Option[0]->isChecked());
  for (int i = 1; i < 8; ++i) EXPECT_FALSE(form->Option[i]->isChecked());
  ClickCheck(form->Option[2]);
  QTest::mouseClick(form->Command_ok, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(Settings().ComPort, 3);
  EXPECT_EQ(main->PanelText(3), "COM3");
  EXPECT_EQ(main->FindChildForm("Form_setup"), nullptr);
}

TEST_F(PortDialogTest, AfterAPortErrorTheDialogStaysOpen) {
  Settings().PortError = true;
  auto* form = Open<Form_setup>("Form_setup");
  ClickCheck(form->Option[4]);
  QTest::mouseClick(form->Command_ok, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(Settings().ComPort, 5);
  EXPECT_EQ(main->PanelText(3), "COM5");
  ASSERT_EQ(main->FindChildForm("Form_setup"), form);
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_setup"), nullptr);
  EXPECT_EQ(Settings().ComPort, 5);
  EXPECT_TRUE(Settings().PortError);  // only the link changes it
}

TEST_F(PortDialogTest, CancelDiscardsTheChoice) {
  auto* form = Open<Form_setup>("Form_setup");
  EXPECT_EQ(form->windowTitle(), U("通讯端口设置"));
  ClickCheck(form->Option[7]);
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(Settings().ComPort, 1);
  EXPECT_EQ(main->PanelText(3), "COM1");
}

TEST_F(PortDialogTest, PortOutsideTheRangeSelectsNothing) {
  Settings().ComPort = 12;
  auto* form = Open<Form_setup>("Form_setup");
  for (auto* option : form->Option) EXPECT_FALSE(option->isChecked());
  QTest::mouseClick(form->Command_ok, Qt::LeftButton);
  EXPECT_EQ(Settings().ComPort, 12);
  EXPECT_EQ(main->PanelText(3), "COM12");
}

using AboutTest = GuiTest;

TEST_F(AboutTest, TextsInBothLanguagesAndReloadOnSwitch) {
  main->Menu_About->trigger();
  auto* about = qobject_cast<frmAbout*>(main->FindChildForm("frmAbout"));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->lblTitle->text(), U("RT410 系列对讲机编程软件"));
  EXPECT_EQ(about->cmdOK->text(), U("确定"));
  EXPECT_EQ(about->cmdSysInfo->text(), U("系统信息(&S)..."));
  EXPECT_TRUE(about->lblVersion->text().startsWith(main->PanelText(5)));
  main->Language_eng->trigger();
  ProcessEvents();
  about = qobject_cast<frmAbout*>(main->FindChildForm("frmAbout"));
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->lblTitle->text(),
            "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software. ");
  EXPECT_EQ(about->cmdOK->text(), "Confirm");
  EXPECT_EQ(about->cmdSysInfo->text(), "System Information(&S)...");
  EXPECT_TRUE(about->lblVersion->text().startsWith(main->PanelText(5)));
}

TEST_F(AboutTest, MenuAgainShowsTheSameBox) {
  main->Menu_About->trigger();
  ChildForm* first = main->FindChildForm("frmAbout");
  main->Menu_About->trigger();
  EXPECT_EQ(main->FindChildForm("frmAbout"), first);
  QTest::mouseClick(qobject_cast<frmAbout*>(first)->cmdOK, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("frmAbout"), nullptr);
  EXPECT_FALSE(main->FormOpenFlag("frmAbout"));
}

TEST_F(AboutTest, UnavailableSystemInformationIsReportedInChinese) {
  main->Language_eng->trigger();
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  main->Menu_About->trigger();
  auto* about = qobject_cast<frmAbout*>(main->FindChildForm("frmAbout"));
  QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
  qputenv("PATH", path);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, U("此时系统信息不可用"));
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
}

}  // namespace
