#include "features/forms/frm_option.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <array>

#include "codec/frequency.h"
#include "editor_test.h"
#include "features/forms/frm_dtmf.h"
#include "features/option_codec.h"
#include "shell/forms/controls.h"
#include "shell/model_band.h"

namespace {

constexpr std::uint8_t E = RadioImage::kErased;

std::array<std::uint8_t, 6> PasswordCells() {
  std::array<std::uint8_t, 6> cells{};
  for (int k = 0; k < 6; ++k) cells[static_cast<std::size_t>(k)] = Image(61, 6 + k);
  return cells;
}

std::array<std::uint8_t, 8> AniCells() {
  std::array<std::uint8_t, 8> cells{};
  for (int k = 0; k < 8; ++k) cells[static_cast<std::size_t>(k)] = Image(62, k);
  return cells;
}

void SetRange(int low, int high) {
  for (int c = 0; c < 4; ++c) Image(59, c) = 0;
  const int edges[2] = {low, high};
  for (int e = 0; e < 2; ++e) {
    const int mhz = edges[e];
    Image(59, 2 * e) = static_cast<std::uint8_t>(16 * (mhz % 10));
    Image(59, 2 * e + 1) = static_cast<std::uint8_t>(16 * (mhz / 100) + mhz / 10 % 10);
  }
}

std::pair<int, int> StoredRange() {
  return {RangeEdge(TheImage(), kRangeLowCell).value_or(-1),
          RangeEdge(TheImage(), kRangeHighCell).value_or(-1)};
}

void PutChannel(int n, int rxMHz, int txMHz) {
  const auto rx = BcdFromFreq(Freq10Hz::MHz(rxMHz));
  const auto tx = BcdFromFreq(Freq10Hz::MHz(txMHz));
  for (int i = 0; i < 4; ++i) {
    Image(n, i) = rx[static_cast<std::size_t>(i)];
    Image(n, 4 + i) = tx[static_cast<std::size_t>(i)];
  }
}

using OptionLangTest = EditorLangTest;
using OptionTest = EditorTest;

TEST_P(OptionLangTest, ErasedImageOpensNormalisedAndWritesItBack) {
  EraseImage();
  auto* form = Open<frm_option>("frm_option");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Combo_TOT->currentText(), "270");
  EXPECT_EQ(form->Combo_vox->currentText(), "9");
  EXPECT_EQ(form->Combo_Sql->currentText(), "9");
  EXPECT_EQ(form->Combo_Voice->currentText(), InLang(Chinese(), "英语", "English"));
  EXPECT_EQ(form->Combo_pttID->currentText(), InLang(Chinese(), "两者", "Both"));
  EXPECT_EQ(Image(60, 2), 9);
  EXPECT_EQ(Image(60, 1), 9);
  EXPECT_EQ(Image(60, 0), 9);
  EXPECT_EQ(Image(60, 13), 2);
  EXPECT_EQ(Image(60, 3), 0xFF);
  EXPECT_TRUE(form->Check_Beep->isChecked());
  EXPECT_TRUE(form->Check_Roger->isChecked());
  EXPECT_TRUE(form->Check_Save->isChecked());
  EXPECT_FALSE(form->Check_STE->isChecked());
  EXPECT_FALSE(form->Check_PttOff_Code->isChecked());
  EXPECT_EQ(form->Text_PASSWORD->text(), "");
  EXPECT_EQ(form->Text_ANI->text(), "");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{E, E, E, E, E, E}));
  EXPECT_EQ(AniCells(), (std::array<std::uint8_t, 8>{E, E, E, E, E, E, E, E}));
  // An erased range is no range: the limits stay as they were.
  EXPECT_EQ(form->Text_pvfo_d0->text(), "400");
  EXPECT_EQ(form->Text_pvfo_d1->text(), "470");
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(400));
  EXPECT_EQ(Image(59, 0), 0xFF);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(main->FormOpenFlag("frm_option"));
}

TEST_P(OptionLangTest, CaptionsAndLists) {
  auto* form = Open<frm_option>("frm_option");
  const bool zh = Chinese();
  EXPECT_EQ(form->windowTitle(), InLang(zh, "可选参数", "Optional Features"));
  const std::pair<QString, QString> texts[] = {
      {form->Label_tot->text(), InLang(zh, "发射超时定时器(秒)", "Time Out Timer(S)")},
      {form->Label_vox->text(), InLang(zh, "声控等级", "VOX Level")},
      {form->Label_sql->text(), InLang(zh, "静噪等级", "Squelch Level")},
      {form->Label_voice->text(), InLang(zh, "语音提示", "Voice")},
      {form->Check_Beep->text(), InLang(zh, "哔声", "Beep")},
      {form->Check_Roger->text(), InLang(zh, "结束提示音", "ROGER")},
      {form->Check_Save->text(), InLang(zh, "电池省电", "Battery Saver")},
      {form->Check_PttOff_Code->text(), InLang(zh, "发送关机码", "Send Stop Code")},
      {form->Check_STE->text(), "STE"},
      {form->Label_pttID->text(), "PTTID"},
      {form->Label_PassWord->text(), InLang(zh, "命令字", "Data Password")},
      {form->Label_ANI->text(), "ANI"},
      {form->Frame_Freq_range->title(), InLang(zh, "工作频率范围", "Frequncy Range")},
      {form->Label_to->text(), "---"},
      {form->Label3->text(), "MHZ"},
      {form->Command_Close->text(), InLang(zh, "关闭", "Close")},
      {form->Command_Help->text(), InLang(zh, "帮助", "Help")},
      {form->Combo_TOT->itemText(0), InLang(zh, "关", "Off")},
      {form->Combo_TOT->itemText(9), "270"},
      {form->Combo_Voice->itemText(1), InLang(zh, "中文", "Chinese")},
      {form->Combo_pttID->itemText(1), InLang(zh, "开始发射", "Pre-Only")},
      {form->Combo_pttID->itemText(2), InLang(zh, "结束发射", "Post-Only")},
  };
  for (const auto& [shown, expected] : texts) EXPECT_EQ(shown, expected);
  EXPECT_EQ(form->Combo_TOT->count(), 10);
  EXPECT_EQ(form->Combo_vox->count(), 10);
  EXPECT_EQ(form->Combo_Sql->count(), 10);
  EXPECT_EQ(form->Combo_Voice->count(), 3);
  EXPECT_EQ(form->Combo_pttID->count(), 4);
  // The start-up image.
  EXPECT_EQ(form->Combo_TOT->currentIndex(), 0);
  EXPECT_EQ(form->Combo_Sql->currentText(), "5");
  EXPECT_EQ(form->Text_pvfo_d0->text(), "400");
  EXPECT_EQ(form->Text_pvfo_d1->text(), "470");
  EXPECT_TRUE(form->Check_STE->isChecked());
  EXPECT_TRUE(form->Check_Save->isChecked());
  EXPECT_EQ(Image(60, 3), 0x84);
}

INSTANTIATE_TEST_SUITE_P(Languages, OptionLangTest, ::testing::Bool(), LangName);

TEST_F(OptionTest, EachCheckBoxChangesOnlyItsBit) {
  auto* form = OpenShown<frm_option>("frm_option");
  struct Case {
    QCheckBox* box;
    std::uint8_t bit;
  };
  const Case cases[] = {{form->Check_Beep, 0x04},
                        {form->Check_Roger, 0x08},
                        {form->Check_Save, 0x80},
                        {form->Check_STE, 0x20},
                        {form->Check_PttOff_Code, 0x20}};
  for (std::uint8_t start : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
    for (const auto& c : cases) {
      Image(60, 3) = start;
      form->Read_Options();
      ClickCheck(c.box);
      EXPECT_EQ(Image(60, 3), start ^ c.bit) << c.box->objectName().toStdString() << " " << +start;
      ClickCheck(c.box);
      EXPECT_EQ(Image(60, 3), start) << c.box->objectName().toStdString() << " " << +start;
    }
  }
}

TEST_F(OptionTest, SteAndStopCodeShowOneInvertedBit) {
  auto* form = OpenShown<frm_option>("frm_option");
  ASSERT_TRUE(form->Check_STE->isChecked());  // bit 5 clear in the start-up image
  ClickCheck(form->Check_STE);
  EXPECT_EQ(Image(60, 3) & 0x20, 0x20);
  EXPECT_FALSE(form->Check_PttOff_Code->isChecked());
  ClickCheck(form->Check_PttOff_Code);
  EXPECT_EQ(Image(60, 3) & 0x20, 0);
  EXPECT_TRUE(form->Check_STE->isChecked());
  form->Read_Options();
  EXPECT_TRUE(form->Check_PttOff_Code->isChecked());
  EXPECT_EQ(Image(60, 3), 0x84);
}

TEST_F(OptionTest, PttIdFromTheKeyboardKeepsTheOtherBits) {
  Image(60, 3) = 0xFC;
  auto* form = OpenShown<frm_option>("frm_option");
  form->Combo_pttID->setFocus();
  for (int index = 1; index <= 3; ++index) {
    QTest::keyClick(form->Combo_pttID, Qt::Key_Down);
    EXPECT_EQ(Image(60, 3), 0xFC + index);
  }
  for (int index = 2; index >= 0; --index) {
    QTest::keyClick(form->Combo_pttID, Qt::Key_Up);
    EXPECT_EQ(Image(60, 3), 0xFC + index);
  }
}

TEST_F(OptionTest, TypedFreeTextSnapsToTheFirstEntry) {
  auto* form = OpenShown<frm_option>("frm_option");
  struct Case {
    ComboBox* box;
    int row, col;
  };
  const Case cases[] = {{form->Combo_TOT, 60, 2},
                        {form->Combo_vox, 60, 1},
                        {form->Combo_Sql, 60, 0},
                        {form->Combo_pttID, 60, 3}};
  Image(60, 3) = 0x87;
  form->Read_Options();
  for (const auto& c : cases) {
    c.box->Select(3);
    ASSERT_NE(Image(c.row, c.col) & 3, 0);
    c.box->setFocus();
    QTest::keyClicks(c.box->lineEdit(), "x");
    EXPECT_EQ(c.box->currentIndex(), 0) << c.box->objectName().toStdString();
    EXPECT_EQ(c.box->currentText(), c.box->itemText(0));
    EXPECT_EQ(Image(c.row, c.col) & 3, 0) << c.box->objectName().toStdString();
  }
  EXPECT_EQ(Image(60, 3), 0x84);
  // Typing exactly an entry's text selects that entry.
  form->Combo_Sql->lineEdit()->selectAll();
  QTest::keyClicks(form->Combo_Sql->lineEdit(), "7");
  EXPECT_EQ(form->Combo_Sql->currentIndex(), 7);
  EXPECT_EQ(Image(60, 0), 7);
}

TEST_F(OptionTest, VoiceListTakesNoTypedKey) {
  Image(60, 13) = 1;
  auto* form = OpenShown<frm_option>("frm_option");
  form->Combo_Voice->setFocus();
  QTest::keyClicks(form->Combo_Voice, "E0o ");
  QTest::keyClick(form->Combo_Voice, Qt::Key_Backspace);
  EXPECT_EQ(form->Combo_Voice->currentIndex(), 1);
  EXPECT_EQ(Image(60, 13), 1);
  QTest::keyClick(form->Combo_Voice, Qt::Key_Down);  // the list itself still moves
  EXPECT_EQ(Image(60, 13), 2);
}

TEST_F(OptionTest, PasswordTypedAndPasted) {
  auto* form = OpenShown<frm_option>("frm_option");
  TheImage().at(61, 5) = 0x11;
  TheImage().at(61, 12) = 0x22;
  QLineEdit* box = form->Text_PASSWORD;
  TypeInto(box, "4a2 ");
  EXPECT_EQ(box->text(), "42");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{4, 2, E, E, E, E}));
  QTest::keyClicks(box, "34567");
  EXPECT_EQ(box->text(), "423456");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{4, 2, 3, 4, 5, 6}));
  box->setCursorPosition(0);
  QTest::keyClick(box, Qt::Key_Delete);  // editing keys still work in a full box
  EXPECT_EQ(box->text(), "23456");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{2, 3, 4, 5, 6, E}));
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{E, E, E, E, E, E}));

  QGuiApplication::clipboard()->setText(U("9x8 7中"));
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "987");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{9, 8, 7, E, E, E}));
  QGuiApplication::clipboard()->setText("1234567890");
  box->selectAll();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "123456");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Image(61, 5), 0x11);
  EXPECT_EQ(Image(61, 12), 0x22);
}

TEST_F(OptionTest, AniTypedAndPasted) {
  auto* form = OpenShown<frm_option>("frm_option");
  QLineEdit* box = form->Text_ANI;
  Image(62, 8) = 0x33;
  TypeInto(box, "ab12");
  EXPECT_EQ(box->text(), "AB12");
  EXPECT_EQ(AniCells(), (std::array<std::uint8_t, 8>{10, 11, 1, 2, E, E, E, E}));
  QTest::keyClicks(box, "g!-Cdef59");
  EXPECT_EQ(box->text(), "AB12CDEF");
  EXPECT_EQ(AniCells(), (std::array<std::uint8_t, 8>{10, 11, 1, 2, 12, 13, 14, 15}));
  box->selectAll();
  QGuiApplication::clipboard()->setText("c0ffee!12");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "C0FFEE12");
  EXPECT_EQ(AniCells(), (std::array<std::uint8_t, 8>{12, 0, 15, 15, 14, 14, 1, 2}));
  EXPECT_EQ(Image(62, 8), 0x33);
}

TEST_F(OptionTest, DecodingRewritesScatteredDigitsCompactly) {
  const std::uint8_t password[6] = {1, E, 12, 2, E, 3};
  const std::uint8_t ani[8] = {E, 10, 16, 3, E, E, 200, 15};
  for (int k = 0; k < 6; ++k) Image(61, 6 + k) = password[k];
  for (int k = 0; k < 8; ++k) Image(62, k) = ani[k];
  EnterImage();
  auto* form = Open<frm_option>("frm_option");
  EXPECT_EQ(form->Text_PASSWORD->text(), "123");
  EXPECT_EQ(PasswordCells(), (std::array<std::uint8_t, 6>{1, 2, 3, E, E, E}));
  EXPECT_EQ(form->Text_ANI->text(), "A3F");
  EXPECT_EQ(AniCells(), (std::array<std::uint8_t, 8>{10, 3, 15, E, E, E, E, E}));
}

// One edit of a range box: its text, typed, then the focus moved on by Tab.
struct Message {
  const char* zh;
  const char* en;
};

struct LimitCase {
  const char* name;
  int band;  // applied first; 3 is 400-470
  int low, high;
  bool upperBox;
  const char* typed;
  Message message;  // zh nullptr: no message
  int storedLow, storedHigh;
};

class LimitTest : public EditorTest,
                  public ::testing::WithParamInterface<std::tuple<LimitCase, bool>> {};

TEST_P(LimitTest, ValidatesStoresAndMovesTheLimits) {
  const auto& [c, chinese] = GetParam();
  SetLanguage(chinese);
  Doc().ApplyBand(c.band);
  SetRange(c.low, c.high);
  auto* form = OpenShown<frm_option>("frm_option");
  TextBox* box = c.upperBox ? form->Text_pvfo_d1 : form->Text_pvfo_d0;
  TypeInto(box, QString::fromLatin1(c.typed));
  EXPECT_TRUE(messages.empty());
  QTest::keyClick(box, Qt::Key_Tab);
  if (c.message.zh) {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, InLang(chinese, c.message.zh, c.message.en));
    EXPECT_EQ(messages[0].title, InLang(chinese, "操作提示", "Operate Prompt"));
    EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(box->hasFocus());
  } else {
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(box->hasFocus());
  }
  EXPECT_EQ(StoredRange(), std::make_pair(c.storedLow, c.storedHigh));
  EXPECT_EQ(form->Text_pvfo_d0->text(), QString::number(c.storedLow));
  EXPECT_EQ(form->Text_pvfo_d1->text(), QString::number(c.storedHigh));
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(c.storedLow));
  EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(c.storedHigh));
  // The bounds are the band's and stay as they are.
  EXPECT_EQ(Doc().FreqLowInt(), BandEdgesOf(c.band)[0]);
  EXPECT_EQ(Doc().FreqHighInt(), BandEdgesOf(c.band)[1]);
}

constexpr Message kBelowLowest{
    "下限频率不可小于本机最低工作频率",
    "frequency of lower limit can't less than the lowest of work frequency. "};
constexpr Message kLowerAboveUpper{
    "下限频率不可大于上限频率",
    "frequency of lower limit can't more than frequency of upper limit."};
constexpr Message kAboveHighest{
    "上限频率不可大于本机最高工作频率",
    "frequency of upper limit can't more than the highest of work frequency. "};
constexpr Message kUpperBelowLower{
    "上限频率不可小于下限频率",
    "frequency of upper limit can't less than frequency of lower limit."};

const LimitCase kLimitCases[] = {
    {"LowerBelowBandEdge", 3, 400, 470, false, "399", kBelowLowest, 400, 470},
    {"LowerEmptyCountsAsZero", 3, 420, 470, false, "", kBelowLowest, 400, 470},
    {"LowerAboveUpper", 3, 400, 450, false, "460", kLowerAboveUpper, 450, 450},
    {"LowerFractionAboveUpper", 3, 400, 450, false, "450.5", kLowerAboveUpper, 450, 450},
    {"UpperAboveBandEdge", 3, 400, 450, true, "471", kAboveHighest, 400, 470},
    {"UpperFractionAboveBandEdge", 3, 400, 450, true, "470.1", kAboveHighest, 400, 470},
    {"UpperBelowLower", 3, 430, 470, true, "420", kUpperBelowLower, 430, 430},
    {"LowerAtBandEdge", 3, 420, 470, false, "400", {}, 400, 470},
    {"UpperAtBandEdge", 3, 400, 450, true, "470", {}, 400, 470},
    {"LowerEqualsUpper", 3, 400, 450, false, "450", {}, 450, 450},
    {"FractionDropped", 0, 140, 174, false, "136.5", {}, 136, 174},
    {"LeadingZeroKept", 3, 400, 470, false, "0420", {}, 420, 470},
    {"OtherBand", 4, 465, 520, true, "500", {}, 465, 500},
};

INSTANTIATE_TEST_SUITE_P(Cases, LimitTest,
                         ::testing::Combine(::testing::ValuesIn(kLimitCases), ::testing::Bool()),
                         [](const auto& param) {
                           return std::string(std::get<0>(param.param).name) +
                                  (std::get<1>(param.param) ? "Chinese" : "English");
                         });

TEST_F(OptionTest, RefocusAfterAMessageDoesNotValidateTheOtherBox) {
  // Both boxes wrong for the band: only the box the user left is checked.
  SetRange(465, 520);
  auto* form = OpenShown<frm_option>("frm_option");
  TypeInto(form->Text_pvfo_d0, "300");
  QTest::keyClick(form->Text_pvfo_d0, Qt::Key_Tab);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{U(kBelowLowest.zh)});
  EXPECT_TRUE(form->Text_pvfo_d0->hasFocus());
  EXPECT_EQ(StoredRange(), std::make_pair(400, 520));
  // Now the user really leaves the upper box.
  QTest::mouseClick(form->Text_pvfo_d1, Qt::LeftButton);
  EXPECT_EQ(messages.size(), 1u);
  QTest::mouseClick(form->Text_PASSWORD, Qt::LeftButton);
  EXPECT_EQ(MessageTexts(), (std::vector<QString>{U(kBelowLowest.zh), U(kAboveHighest.zh)}));
  EXPECT_TRUE(form->Text_pvfo_d1->hasFocus());
  EXPECT_EQ(StoredRange(), std::make_pair(400, 470));
}

TEST_F(OptionTest, LeavingTheWindowIsNotLeavingTheBox) {
  auto* form = OpenShown<frm_option>("frm_option");
  TypeInto(form->Text_pvfo_d0, "300");
  auto* dtmf = Open<frm_dtmf>("frm_dtmf");
  ASSERT_NE(dtmf, nullptr);
  ProcessEvents();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(StoredRange(), std::make_pair(400, 470));
}

class ChannelRangeTest : public EditorLangTest {};

TEST_P(ChannelRangeTest, NarrowingReportsTheFirstChannelOutside) {
  const auto warning = [&](int n) {
    return InLang(Chinese(), "信道 %1 中的接收或发射频率超出频率限制范围",
                  "Channel %1that Receiving or transmitting frequency  out of frequency "
                  "limitation range ")
        .arg(n);
  };
  PutChannel(5, 430, 430);
  PutChannel(9, 446, 460);
  auto* form = OpenShown<frm_option>("frm_option");
  TypeInto(form->Text_pvfo_d0, "440");
  QTest::keyClick(form->Text_pvfo_d0, Qt::Key_Tab);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, warning(5));
  EXPECT_EQ(messages[0].title, InLang(Chinese(), "操作提示", "Operate prompt"));
  EXPECT_EQ(StoredRange(), std::make_pair(440, 470));
  EXPECT_EQ(Image(5, 3), 0x43);  // reported, not changed
  EXPECT_EQ(Image(5, 7), 0x43);

  // Channel 9 receives inside 440-450 but transmits on 460.
  PutChannel(5, 445, 445);
  TypeInto(form->Text_pvfo_d1, "450");
  QTest::keyClick(form->Text_pvfo_d1, Qt::Key_Tab);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, warning(9));
  EXPECT_EQ(StoredRange(), std::make_pair(440, 450));

  TypeInto(form->Text_pvfo_d1, "470");
  QTest::keyClick(form->Text_pvfo_d1, Qt::Key_Tab);
  EXPECT_EQ(messages.size(), 2u);  // everything inside: nothing more said
  EXPECT_EQ(StoredRange(), std::make_pair(440, 470));
}

INSTANTIATE_TEST_SUITE_P(Languages, ChannelRangeTest, ::testing::Bool(), LangName);

TEST_F(OptionTest, ActivationDecodesTheImageAgainAndLeavesTheDtmfBit) {
  auto* form = Open<frm_option>("frm_option");
  auto* dtmf = OpenShown<frm_dtmf>("frm_dtmf");
  ClickCheck(dtmf->Check_dtmfST);
  EXPECT_EQ(Image(60, 3), 0x84 | 0x40);
  Image(60, 1) = 3;
  Image(61, 6) = 5;
  main->MdiArea()->setActiveSubWindow(form->SubWindow());
  EXPECT_EQ(form->Combo_vox->currentText(), "3");
  EXPECT_EQ(form->Text_PASSWORD->text(), "5");
  ClickCheck(form->Check_Beep);
  ClickCheck(form->Check_Roger);
  EXPECT_EQ(Image(60, 3), 0x80 | 0x40 | 0x08);
  EXPECT_TRUE(dtmf->Check_dtmfST->isChecked());
}

TEST_F(OptionTest, MenuOpensItAndLanguageSwitchReloadsIt) {
  main->Optional_edit->trigger();
  ProcessEvents();
  auto* form = qobject_cast<frm_option*>(main->FindChildForm("frm_option"));
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(main->FormOpenFlag("frm_option"));
  main->Language_eng->trigger();
  ProcessEvents();
  auto* english = qobject_cast<frm_option*>(main->FindChildForm("frm_option"));
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->windowTitle(), "Optional Features");
  QTest::mouseClick(english->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("frm_option"), nullptr);
  EXPECT_FALSE(main->FormOpenFlag("frm_option"));
}

TEST_F(OptionTest, PlacedAtTheTopCentredAndNothingCutOff) {
  auto* form = OpenShown<frm_option>("frm_option");
  ProcessEvents();
  const QSize mainSize = main->frameGeometry().size();
  const QRect frame = form->SubWindow()->geometry();
  EXPECT_EQ(frame.top(), 0);
  EXPECT_EQ(frame.width(), static_cast<int>(mainSize.width() / 1.2));
  EXPECT_EQ(frame.height(), static_cast<int>(mainSize.height() / 1.5));
  EXPECT_NEAR(frame.center().x(), mainSize.width() / 2, 2);
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->objectName().isEmpty()) continue;  // parts of a control
    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
    EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
  }
}

}  // namespace
