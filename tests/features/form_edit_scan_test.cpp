#include "features/form_edit_scan.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "features/form_edit_message.h"
#include "shell/controls.h"
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
  Form_Edit_scan* OpenScan() {
    auto* form = Open<Form_Edit_scan>("Form_Edit_scan");
    EXPECT_NE(form, nullptr);
    return form;
  }
  // Chooses an entry with the arrow keys, one entry at a time, as a user does.
  static void Choose(ComboBox* box, int index) {
    box->setFocus();
    while (box->currentIndex() < index) QTest::keyClick(box->lineEdit(), Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box->lineEdit(), Qt::Key_Up);
  }
  // Types into the priority channel box from its end.
  static void TypePriority(Form_Edit_scan* form, const char* keys) {
    form->Text_prich->setFocus();
    form->Text_prich->end(false);
    QTest::keyClicks(form->Text_prich, keys);
  }
};

struct LanguageCase {
  bool chinese;
  const char* title;
  const char* priority[3];
  const char* revertLast;
  const char* labelRyc;
};

class ScanWindowLanguageTest : public ScanWindowTest,
                               public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(ScanWindowLanguageTest, ErasedRowOpensOnItsLastEntriesAndWritesThemBack) {
  const LanguageCase& lang = GetParam();
  if (!lang.chinese) main->Language_eng->trigger();
  for (int c = 0; c < 16; ++c) ASSERT_EQ(Image(22, c), 0xFF);
  auto* form = OpenScan();

  EXPECT_EQ(form->windowTitle(), U(lang.title));
  EXPECT_EQ(form->Label_RYC->text(), U(lang.labelRyc));
  EXPECT_EQ(Entries(form->Combo_pri),
            QStringList({U(lang.priority[0]), U(lang.priority[1]), U(lang.priority[2])}));
  EXPECT_EQ(form->Combo_pri->currentIndex(), 2);
  EXPECT_EQ(form->Text_prich->text(), "");
  EXPECT_FALSE(form->Text_prich->isEnabled());
  EXPECT_EQ(form->Combo_BA->currentText(), "4.95");
  EXPECT_EQ(form->Combo_BB->currentText(), "4.95");
  EXPECT_TRUE(form->Combo_BA->isEnabled());
  EXPECT_EQ(form->Combo_BC->currentText(), U(lang.revertLast));
  EXPECT_EQ(form->Combo_RYC->currentText(), "300");
  EXPECT_EQ(form->Combo_TYC->currentText(), "300");
  ASSERT_EQ(form->Combo_BA->count(), 91);
  EXPECT_EQ(form->Combo_BA->itemText(0), "0.50");
  EXPECT_EQ(form->Combo_BA->itemText(90), "5.00");
  ASSERT_EQ(form->Combo_RYC->count(), 301);

  const int expected[] = {2, 255, 90, 90, 3, 44, 1, 44, 1, 255};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(Image(22, c), expected[c]) << "column " << c;
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(FormOpenFlag("Form_Edit_scan"));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ScanWindowLanguageTest,
                         ::testing::Values(LanguageCase{true,
                                                        "扫描信息",
                                                        {"无", "固定", "选定"},
                                                        "优先+当前通话",
                                                        "扫描接收恢复延迟时间(秒)"},
                                           LanguageCase{false,
                                                        "Scan Information",
                                                        {"None", "Fixed", "Selected"},
                                                        "Priority+Talk Back",
                                                        "Dropout Delay Time (s)"}));

TEST_F(ScanWindowTest, EachPriorityModeOffersItsRevertEntriesAndInputs) {
  struct Case {
    int mode;
    int storedRevertBefore;
    QStringList revertChinese;
    QStringList revertEnglish;
    bool channelUsable;
    bool lookBackUsable;
    int storedRevertAfter;
  };
  const Case cases[] = {
      {0, 3, {U("选定"), U("选定+当前通话")}, {"Selected", "Selected+Talk Back"}, false, false, 1},
      {0, 2, {U("选定"), U("选定+当前通话")}, {"Selected", "Selected+Talk Back"}, false, false, 1},
      {1,
       2,
       {U("选定"), U("选定+当前通话"), U("优先"), U("优先+当前通话")},
       {"Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back"},
       true,
       true,
       2},
      {2, 0, {U("优先"), U("优先+当前通话")}, {"Priority", "Priority+Talk Back"}, false, true, 2},
      {2, 1, {U("优先"), U("优先+当前通话")}, {"Priority", "Priority+Talk Back"}, false, true, 3},
  };
  for (const bool chinese : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "mode " << c.mode << " from revert "
                                      << c.storedRevertBefore << (chinese ? " zh" : " en"));
      LangChinese = chinese;
      // Start from another mode so the choice is a real change.
      FillRow22({c.mode == 2 ? 0 : 2, 9, 0, 0, c.storedRevertBefore, 0, 0, 0, 0});
      auto* form = OpenScan();
      Choose(form->Combo_pri, c.mode);
      EXPECT_EQ(Image(22, 0), c.mode);
      EXPECT_EQ(Entries(form->Combo_BC), chinese ? c.revertChinese : c.revertEnglish);
      EXPECT_EQ(Image(22, 4), c.storedRevertAfter);
      EXPECT_EQ(form->Text_prich->isEnabled(), c.channelUsable);
      EXPECT_EQ(form->Text_prich->text(), c.channelUsable ? "9" : "");
      EXPECT_EQ(form->Combo_BA->isEnabled(), c.lookBackUsable);
      EXPECT_EQ(form->Combo_BB->isEnabled(), c.lookBackUsable);
      // A greyed input shows the button face instead of the window colour.
      const QPalette::ColorRole shown = c.channelUsable ? QPalette::Base : QPalette::Button;
      EXPECT_EQ(form->Text_prich->palette().color(QPalette::Base),
                QApplication::palette(form->Text_prich).color(shown));
      EXPECT_EQ(Image(22, 1), 9);  // the channel number is kept in every mode
      EXPECT_TRUE(messages.empty());
    }
  }
}

TEST_F(ScanWindowTest, RevertChoiceStoresItsCode) {
  const std::pair<int, std::vector<int>> cases[] = {{0, {0, 1}}, {1, {0, 1, 2, 3}}, {2, {2, 3}}};
  for (const auto& [mode, codes] : cases) {
    FillRow22({mode, 1, 0, 0, 255, 0, 0, 0, 0});
    auto* form = OpenScan();
    for (int i = static_cast<int>(codes.size()) - 1; i >= 0; --i) {
      Choose(form->Combo_BC, i);
      EXPECT_EQ(Image(22, 4), codes[static_cast<std::size_t>(i)])
          << "mode " << mode << " entry " << i;
    }
  }
}

TEST_F(ScanWindowTest, LookBackEntriesAndStoredValues) {
  FillRow22({1, 1, 0, 0, 0, 0, 0, 0, 0});
  auto* form = OpenScan();
  const std::pair<int, int> choices[] = {{1, 2}, {0, 0}, {10, 11}, {90, 91}, {89, 90}};
  for (const auto& [entry, stored] : choices) {
    Choose(form->Combo_BA, entry);
    EXPECT_EQ(Image(22, 2), stored) << form->Combo_BA->currentText().toStdString();
    Choose(form->Combo_BB, entry);
    EXPECT_EQ(Image(22, 3), stored) << form->Combo_BB->currentText().toStdString();
  }
  EXPECT_EQ(form->Combo_BA->currentText(), "4.95");

  // Stored values decode to an entry and are written back normalised.
  const struct {
    int stored;
    const char* shown;
    int writtenBack;
  } decoded[] = {{0, "0.50", 0},   {1, "0.50", 0},   {2, "0.55", 2},
                 {91, "5.00", 91}, {92, "4.95", 90}, {255, "4.95", 90}};
  for (const auto& d : decoded) {
    FillRow22({1, 1, d.stored, d.stored, 0, 0, 0, 0, 0});
    form = OpenScan();
    EXPECT_EQ(form->Combo_BA->currentText(), d.shown) << d.stored;
    EXPECT_EQ(form->Combo_BB->currentText(), d.shown) << d.stored;
    EXPECT_EQ(Image(22, 2), d.writtenBack) << d.stored;
    EXPECT_EQ(Image(22, 3), d.writtenBack) << d.stored;
  }
}

TEST_F(ScanWindowTest, DelaysAreStoredLowByteFirst) {
  FillRow22({0, 0, 0, 0, 0, 0, 1, 45, 0});
  auto* form = OpenScan();
  EXPECT_EQ(form->Combo_RYC->currentText(), "256");
  EXPECT_EQ(form->Combo_TYC->currentText(), "45");
  Choose(form->Combo_RYC, 300);
  EXPECT_EQ(Image(22, 5), 44);
  EXPECT_EQ(Image(22, 6), 1);
  Choose(form->Combo_TYC, 255);
  EXPECT_EQ(Image(22, 7), 255);
  EXPECT_EQ(Image(22, 8), 0);
  Choose(form->Combo_TYC, 0);
  EXPECT_EQ(Image(22, 7), 0);
  EXPECT_EQ(Image(22, 8), 0);
  EXPECT_EQ(Image(22, 5), 44);  // the other delay is untouched
  EXPECT_EQ(Image(22, 6), 1);
  EXPECT_EQ(Image(22, 9), 0xFF);
}

TEST_F(ScanWindowTest, TypingIntoAListGoesBackToItsFirstEntry) {
  FillRow22({1, 5, 40, 40, 3, 44, 1, 44, 1});
  auto* form = OpenScan();
  struct Case {
    ComboBox* box;
    QString firstEntry;
    int col;
    int stored;
  };
  const Case cases[] = {{form->Combo_BA, "0.50", 2, 0},
                        {form->Combo_BB, "0.50", 3, 0},
                        {form->Combo_BC, U("选定"), 4, 0},
                        {form->Combo_RYC, "0", 5, 0},
                        {form->Combo_TYC, "0", 7, 0}};
  for (const Case& c : cases) {
    c.box->setFocus();
    c.box->lineEdit()->end(false);
    QTest::keyClicks(c.box->lineEdit(), "7");
    EXPECT_EQ(c.box->currentIndex(), 0) << c.box->objectName().toStdString();
    EXPECT_EQ(c.box->currentText(), c.firstEntry) << c.box->objectName().toStdString();
    EXPECT_EQ(Image(22, c.col), c.stored) << c.box->objectName().toStdString();
  }
  EXPECT_EQ(Image(22, 6), 0);
  EXPECT_EQ(Image(22, 8), 0);

  // The mode list too: entry 0 is "None", which takes the look-back lists out of use.
  form->Combo_pri->setFocus();
  QTest::keyClicks(form->Combo_pri->lineEdit(), "Fixed");
  EXPECT_EQ(form->Combo_pri->currentText(), U("无"));
  EXPECT_EQ(Image(22, 0), 0);
  EXPECT_FALSE(form->Combo_BA->isEnabled());
  EXPECT_EQ(Entries(form->Combo_BC).size(), 2);
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
      {"16", "16", 16, 0},     {"5", "5", 5, 0},
      {"0", "", 7, 1},          // 0 is refused and the box emptied; the old number stays
      {"17", "", 1, 1},         // "1" is stored on the way, "17" is refused
      {"1a-. 2", "12", 12, 0},  // only digits get in
      {"123", "12", 12, 0},     // two characters at most
  };
  Form_Edit_scan* form = nullptr;
  for (const Case& c : cases) {
    Image(22, 1) = 255;
    form = OpenScan();  // an empty box
    EXPECT_TRUE(form->Text_prich->isEnabled());
    Image(22, 1) = 7;
    TypePriority(form, c.keys);
    EXPECT_EQ(form->Text_prich->text(), c.shown) << c.keys;
    EXPECT_EQ(Image(22, 1), c.stored) << c.keys;
    ASSERT_EQ(static_cast<int>(messages.size()), c.warnings) << c.keys;
    if (c.warnings) {
      EXPECT_EQ(messages[0].text, U("优先信道号在 1 - 16 之间 ！"));
      EXPECT_EQ(messages[0].title, U("操作提示"));
      EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    }
    messages.clear();
  }

  // Backspace is refused; the delete key shortens the entry.
  TypePriority(form, "");
  QTest::keyClick(form->Text_prich, Qt::Key_Backspace);
  EXPECT_EQ(form->Text_prich->text(), "12");
  form->Text_prich->home(false);
  QTest::keyClick(form->Text_prich, Qt::Key_Delete);
  EXPECT_EQ(form->Text_prich->text(), "2");
  EXPECT_EQ(Image(22, 1), 2);
  QTest::keyClick(form->Text_prich, Qt::Key_Delete);
  EXPECT_EQ(form->Text_prich->text(), "");
  EXPECT_EQ(Image(22, 1), 2);
  ASSERT_EQ(messages.size(), 1u);  // the emptied box is a channel out of range

  LangChinese = false;
  messages.clear();
  TypePriority(form, "0");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "The priority channel must be from 1 to 16.");
  EXPECT_EQ(messages[0].title, "Operate prompt");
}

TEST_F(ScanWindowTest, PriorityChannelIsOnlyCheckedInFixedMode) {
  FillRow22({1, 200, 0, 0, 0, 0, 0, 0, 0});
  auto* form = OpenScan();
  EXPECT_EQ(form->Text_prich->text(), "");  // a stored number out of range shows empty
  EXPECT_EQ(Image(22, 1), 200);
  Choose(form->Combo_pri, 2);
  form->Text_prich->setText("99");  // the box is out of use: nothing is checked or stored
  EXPECT_EQ(Image(22, 1), 200);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ScanWindowTest, ActivationDecodesAgain) {
  FillRow22({1, 3, 0, 0, 0, 0, 0, 0, 0});
  auto* form = OpenScan();
  QPointer<Form_Edit_scan> scan = form;
  Open<Form_Edit_Message>("Form_Edit_Message");
  FillRow22({1, 12, 5, 255, 1, 10, 0, 255, 255});
  main->MdiArea()->setActiveSubWindow(scan->SubWindow());
  ProcessEvents();
  EXPECT_EQ(scan->Text_prich->text(), "12");
  EXPECT_EQ(scan->Combo_BA->currentText(), "0.70");
  EXPECT_EQ(scan->Combo_BB->currentText(), "4.95");
  EXPECT_EQ(scan->Combo_BC->currentText(), U("选定+当前通话"));
  EXPECT_EQ(scan->Combo_RYC->currentText(), "10");
  EXPECT_EQ(scan->Combo_TYC->currentText(), "300");
  EXPECT_EQ(Image(22, 3), 90);
  EXPECT_EQ(Image(22, 7), 44);
  EXPECT_EQ(Image(22, 8), 1);
}

TEST_F(ScanWindowTest, KeepsItsLanguageThroughASwitchAndCloses) {
  auto* form = OpenScan();
  QPointer<Form_Edit_scan> scan = form;
  main->Language_eng->trigger();
  ProcessEvents();
  ASSERT_TRUE(scan);
  EXPECT_EQ(main->FindChildForm("Form_Edit_scan"), scan.data());
  EXPECT_EQ(scan->windowTitle(), U("扫描信息"));
  EXPECT_EQ(scan->Command_Close->text(), U("关闭"));
  QTest::mouseClick(scan->Command_Help, Qt::LeftButton);
  EXPECT_EQ(main->FindChildForm("Form_Edit_scan"), scan.data());
  QTest::mouseClick(scan->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_Edit_scan"), nullptr);
  EXPECT_FALSE(scan);
}

TEST_F(ScanWindowTest, PlacedInTheMainWindow) {
  auto* form = OpenScan();
  const QSize frame = main->frameGeometry().size();
  const QRect placed = form->SubWindow()->geometry();
  EXPECT_EQ(placed.width(), static_cast<int>(frame.width() / 1.8));
  EXPECT_EQ(placed.height(), static_cast<int>(frame.height() / 1.4));
  EXPECT_EQ(placed.left(), (frame.width() - placed.width()) / 2);
  EXPECT_EQ(placed.top(), (frame.height() - placed.height()) / 8);
}

}  // namespace
