#include "features/forms/form_edit_scan.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "features/forms/form_edit_message.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

QStringList Entries(const ComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

void FillRow22(std::initializer_list<int> cells) {
  int c = 0;
  for (int v : cells) Image(22, c++) = static_cast<std::uint8_t>(v);
}

class ScanWindowTest : public GuiTest {
 protected:
  Form_Edit_scan* OpenScan() { return Open<Form_Edit_scan>("Form_Edit_scan"); }
  // Chooses an entry with the arrow keys, one entry at a time, as a user does.
  static void Choose(ComboBox* box, int index) {
    box->setFocus();
    while (box->currentIndex() < index) QTest::keyClick(box->lineEdit(), Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box->lineEdit(), Qt::Key_Up);
  }
  static void TypePriority(Form_Edit_scan* form, const char* keys) {
    form->Text_prich->setFocus();
    form->Text_prich->end(false);
    QTest::keyClicks(form->Text_prich, keys);
  }
};

TEST_F(ScanWindowTest, ErasedRowOpensOnItsLastEntriesAndLeavesTheImage) {
  for (const bool chinese : {true, false}) {
    Settings().LangChinese = chinese;
    for (int c = 0; c < 16; ++c) Image(22, c) = 0xFF;
    auto* form = OpenScan();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), Lang("扫描信息", "Scan Information"));
    EXPECT_EQ(form->Label_RYC->text(), Lang("扫描接收恢复延迟时间(秒)", "Dropout Delay Time (s)"));
    EXPECT_EQ(Entries(form->Combo_pri), chinese ? QStringList({U("无"), U("固定"), U("选定")})
                                                : QStringList({"None", "Fixed", "Selected"}));
    EXPECT_EQ(form->Combo_pri->currentIndex(), 2);
    EXPECT_EQ(form->Text_prich->text(), "");
    EXPECT_FALSE(form->Text_prich->isEnabled());
    EXPECT_EQ(form->Combo_BA->currentText(), "4.95");
    EXPECT_EQ(form->Combo_BB->currentText(), "4.95");
    EXPECT_EQ(form->Combo_BC->currentText(), Lang("优先+当前通话", "Priority+Talk Back"));
    EXPECT_EQ(form->Combo_RYC->currentText(), "300");
    EXPECT_EQ(form->Combo_TYC->currentText(), "300");
    EXPECT_EQ(form->Combo_BA->count(), 91);
    EXPECT_EQ(form->Combo_RYC->count(), 301);

    // Drawing never writes: the row keeps what it held until the user chooses.
    for (int c = 0; c < 10; ++c) EXPECT_EQ(Image(22, c), 0xFF) << "column " << c;
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScanWindowTest, EachPriorityModeOffersItsRevertEntriesAndInputs) {
  struct Case {
    int mode;
    int revertBefore;
    QStringList revertChinese;
    QStringList revertEnglish;
    bool channelUsable;
    bool lookBackUsable;
    int revertAfter;
  };
  const QStringList selectedZh = {U("选定"), U("选定+当前通话")};
  const QStringList priorityZh = {U("优先"), U("优先+当前通话")};
  const Case cases[] = {
      {0, 3, selectedZh, {"Selected", "Selected+Talk Back"}, false, false, 1},
      {0, 2, selectedZh, {"Selected", "Selected+Talk Back"}, false, false, 1},
      {1,
       2,
       selectedZh + priorityZh,
       {"Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back"},
       true,
       true,
       2},
      {2, 0, priorityZh, {"Priority", "Priority+Talk Back"}, false, true, 2},
      {2, 1, priorityZh, {"Priority", "Priority+Talk Back"}, false, true, 3},
  };
  for (const bool chinese : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "mode " << c.mode << " from revert " << c.revertBefore
                                      << (chinese ? " zh" : " en"));
      Settings().LangChinese = chinese;
      FillRow22({c.mode == 2 ? 0 : 2, 9, 0, 0, c.revertBefore, 0, 0, 0, 0});
      auto* form = OpenScan();
      Choose(form->Combo_pri, c.mode);
      EXPECT_EQ(Image(22, 0), c.mode);
      EXPECT_EQ(Entries(form->Combo_BC), chinese ? c.revertChinese : c.revertEnglish);
      EXPECT_EQ(Image(22, 4), c.revertAfter);
      EXPECT_EQ(form->Text_prich->isEnabled(), c.channelUsable);
      EXPECT_EQ(form->Text_prich->text(), c.channelUsable ? "9" : "");
      EXPECT_EQ(form->Combo_BA->isEnabled(), c.lookBackUsable);
      EXPECT_EQ(form->Combo_BB->isEnabled(), c.lookBackUsable);
      // A greyed input shows the button face instead of the window colour.
      EXPECT_EQ(form->Text_prich->palette().color(QPalette::Base),
                QApplication::palette(form->Text_prich)
                    .color(c.channelUsable ? QPalette::Base : QPalette::Button));
      EXPECT_EQ(Image(22, 1), 9);  // the channel number is kept in every mode
      if (c.mode == 1) {
        Choose(form->Combo_BC, 3);
        EXPECT_EQ(Image(22, 4), 3);
      }
    }
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScanWindowTest, LookBackAndDelayChoicesAreStored) {
  FillRow22({1, 1, 0, 0, 0, 0, 0, 0, 1});
  auto* form = OpenScan();
  EXPECT_EQ(form->Combo_TYC->currentText(), "256");
  const std::pair<int, int> lookBack[] = {{1, 2}, {0, 0}, {90, 91}, {89, 90}};
  for (const auto& [entry, stored] : lookBack) {
    Choose(form->Combo_BA, entry);
    Choose(form->Combo_BB, entry);
    EXPECT_EQ(Image(22, 2), stored) << form->Combo_BA->currentText().toStdString();
    EXPECT_EQ(Image(22, 3), stored) << form->Combo_BB->currentText().toStdString();
  }
  Choose(form->Combo_RYC, 300);
  EXPECT_EQ(Image(22, 5), 44);
  EXPECT_EQ(Image(22, 6), 1);
  Choose(form->Combo_TYC, 255);
  EXPECT_EQ(Image(22, 7), 255);
  EXPECT_EQ(Image(22, 8), 0);
  EXPECT_EQ(Image(22, 6), 1);  // the other delay is untouched
  EXPECT_EQ(Image(22, 9), 0xFF);
}

TEST_F(ScanWindowTest, TypingIntoAListGoesBackToItsFirstEntry) {
  FillRow22({1, 5, 40, 40, 3, 44, 1, 44, 1});
  auto* form = OpenScan();
  const std::pair<ComboBox*, int> boxes[] = {{form->Combo_BA, 2},
                                             {form->Combo_BB, 3},
                                             {form->Combo_BC, 4},
                                             {form->Combo_RYC, 5},
                                             {form->Combo_TYC, 7}};
  for (const auto& [box, col] : boxes) {
    box->setFocus();
    box->lineEdit()->end(false);
    QTest::keyClicks(box->lineEdit(), "7");
    EXPECT_EQ(box->currentIndex(), 0) << box->objectName().toStdString();
    EXPECT_EQ(box->currentText(), box->itemText(0)) << box->objectName().toStdString();
    EXPECT_EQ(Image(22, col), 0) << box->objectName().toStdString();
  }
  EXPECT_EQ(Image(22, 6), 0);
  EXPECT_EQ(Image(22, 8), 0);

  // The mode list too: entry 0 is "None", which takes the look-back lists out of use.
  form->Combo_pri->setFocus();
  QTest::keyClicks(form->Combo_pri->lineEdit(), "Fixed");
  EXPECT_EQ(form->Combo_pri->currentText(), U("无"));
  EXPECT_EQ(Image(22, 0), 0);
  EXPECT_FALSE(form->Combo_BA->isEnabled());
  EXPECT_EQ(Image(22, 1), 5);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScanWindowTest, PriorityChannelEntryInFixedMode) {
  FillRow22({1, 7, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(OpenScan()->Text_prich->text(), "7");
  struct Case {
    const char* keys;
    const char* shown;
    int stored;
    int warnings;
  };
  const Case cases[] = {
      {"16", "16", 16, 0},     {"0", "", 7, 1},  // refused, the box emptied, the number kept
      {"17", "", 1, 1},                          // "1" is stored on the way
      {"1a-. 2", "12", 12, 0},                   // only digits get in
      {"123", "12", 12, 0},                      // two characters at most
  };
  Form_Edit_scan* form = nullptr;
  for (const Case& c : cases) {
    Image(22, 1) = 255;
    form = OpenScan();  // an empty box
    Image(22, 1) = 7;
    TypePriority(form, c.keys);
    EXPECT_EQ(form->Text_prich->text(), c.shown) << c.keys;
    EXPECT_EQ(Image(22, 1), c.stored) << c.keys;
    ASSERT_EQ(static_cast<int>(messages.size()), c.warnings) << c.keys;
    if (c.warnings) {
      EXPECT_EQ(messages[0].text, U("优先信道号在 1 - 16 之间 ！"));
      EXPECT_EQ(messages[0].title, U("操作提示"));
    }
    messages.clear();
  }

  // Backspace is refused; the delete key shortens the entry.
  QTest::keyClick(form->Text_prich, Qt::Key_Backspace);
  EXPECT_EQ(form->Text_prich->text(), "12");
  form->Text_prich->home(false);
  QTest::keyClick(form->Text_prich, Qt::Key_Delete);
  EXPECT_EQ(form->Text_prich->text(), "2");
  EXPECT_EQ(Image(22, 1), 2);

  Settings().LangChinese = false;
  QTest::keyClick(form->Text_prich, Qt::Key_Delete);  // an empty box is no channel either
  EXPECT_EQ(Image(22, 1), 2);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "The priority channel must be from 1 to 16.");
  EXPECT_EQ(messages[0].title, "Operate prompt");
}

TEST_F(ScanWindowTest, PriorityChannelIsOnlyCheckedInFixedMode) {
  FillRow22({1, 200, 0, 0, 0, 0, 0, 0, 0});
  auto* form = OpenScan();
  EXPECT_EQ(form->Text_prich->text(), "");  // out of range shows empty, without a warning
  Choose(form->Combo_pri, 2);
  form->Text_prich->setText("99");
  EXPECT_EQ(Image(22, 1), 200);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScanWindowTest, ActivationDecodesAgain) {
  FillRow22({1, 3, 0, 0, 0, 0, 0, 0, 0});
  QPointer<Form_Edit_scan> scan = OpenScan();
  Open<Form_Edit_Message>("Form_Edit_Message");
  FillRow22({1, 12, 5, 255, 1, 10, 0, 255, 255});
  main->MdiArea()->setActiveSubWindow(scan->SubWindow());
  ProcessEvents();
  EXPECT_EQ(scan->Text_prich->text(), "12");
  EXPECT_EQ(scan->Combo_BA->currentText(), "0.70");
  EXPECT_EQ(scan->Combo_BC->currentText(), U("选定+当前通话"));
  EXPECT_EQ(scan->Combo_RYC->currentText(), "10");
  EXPECT_EQ(Image(22, 3), 255);  // shown as the list's last entry, kept as it is
}

TEST_F(ScanWindowTest, KeepsItsLanguageThroughASwitchAndCloses) {
  QPointer<Form_Edit_scan> scan = OpenScan();
  main->Language_eng->trigger();
  ProcessEvents();
  ASSERT_TRUE(scan);
  EXPECT_EQ(scan->windowTitle(), U("扫描信息"));
  QTest::mouseClick(scan->Command_Help, Qt::LeftButton);
  EXPECT_EQ(main->FindChildForm("Form_Edit_scan"), scan.data());
  QTest::mouseClick(scan->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(scan);
}

}  // namespace
