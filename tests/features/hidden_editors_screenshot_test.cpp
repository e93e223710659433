#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

#include "features/forms/form_edit_message.h"
#include "features/forms/form_edit_scan.h"
#include "features/forms/form_edit_test.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

// Writes the windows as PNG files into RT410_SCREENSHOT_DIR when it is set.
class HiddenEditorsScreenshot : public GuiTest {
 protected:
  void SetUp() override {
    dir_ = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
    if (dir_.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
    GuiTest::SetUp();
    main->show();
    ProcessEvents();
  }
  void Save(ChildForm* form, const char* name) {
    ProcessEvents();
    const QString path = QDir(dir_).filePath(QString::fromLatin1(name));
    ASSERT_TRUE(form->SubWindow()->grab().save(path)) << path.toStdString();
  }
  QString dir_;
};

TEST_F(HiddenEditorsScreenshot, AllThreeWindowsInBothLanguages) {
  const std::uint8_t scan[] = {1, 5, 3, 11, 3, 44, 1, 10, 0};
  for (int c = 0; c < 9; ++c) Image(22, c) = scan[c];
  const char* message = "RT410HANDHELDRADIO";
  for (int k = 0; message[k]; ++k)
    Image(48 + k / 16, k % 16) = static_cast<std::uint8_t>(message[k]);

  for (const bool chinese : {true, false}) {
    if (!chinese) main->Language_eng->trigger();
    const char* suffix = chinese ? "zh" : "en";

    auto* scanForm = Open<Form_Edit_scan>("Form_Edit_scan");
    Save(scanForm, qPrintable(QStringLiteral("Form_Edit_scan-%1.png").arg(suffix)));
    // Priority "None": the channel box and the look-back lists greyed out.
    scanForm->Combo_pri->setFocus();
    QTest::keyClick(scanForm->Combo_pri->lineEdit(), Qt::Key_Up);
    Save(scanForm, qPrintable(QStringLiteral("Form_Edit_scan-none-%1.png").arg(suffix)));
    scanForm->Unload();
    for (int c = 0; c < 9; ++c) Image(22, c) = scan[c];

    const std::uint8_t fm[] = {0,   10,  80,  85,  130, 210, 255, 255,
                               255, 255, 255, 255, 255, 255, 1,   2};
    for (int n = 0; n < 16; ++n) Image(253, n) = fm[n];
    auto* fmForm = Open<Form_Edit_Test>("Form_Edit_Test");
    QTest::mouseClick(fmForm->MSF_Chann->viewport(), Qt::LeftButton, {},
                      fmForm->MSF_Chann->CellRect(7, 1).center());
    QTest::keyClicks(fmForm->Text_Edit, "95.5");
    Save(fmForm, qPrintable(QStringLiteral("Form_Edit_Test-%1.png").arg(suffix)));
    fmForm->Unload();

    auto* messageForm = Open<Form_Edit_Message>("Form_Edit_Message");
    Save(messageForm, qPrintable(QStringLiteral("Form_Edit_Message-%1.png").arg(suffix)));
    messageForm->Unload();
    ProcessEvents();
  }
}

}  // namespace
