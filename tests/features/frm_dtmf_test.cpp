#include "features/forms/frm_dtmf.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "editor_test.h"
#include "features/forms/frm_option.h"
#include "shell/forms/controls.h"

namespace {

using DtmfLangTest = EditorLangTest;
using DtmfTest = EditorTest;

TEST_P(DtmfLangTest, ErasedImageOpensAtTheLastEntriesAndWritesThemBack) {
  EraseImage();
  auto* form = Open<frm_dtmf>("frm_dtmf");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Combo_First_delay->currentText(), "4500");
  EXPECT_EQ(form->Combo_DTMF_SPACE->currentText(), "6425");
  EXPECT_EQ(form->Combo_DTMF_DELAY->currentText(), "6425");
  EXPECT_EQ(Image(60, 5), 89);
  EXPECT_EQ(Image(60, 6), 255);
  EXPECT_EQ(Image(60, 7), 255);
  EXPECT_TRUE(form->Check_dtmfST->isChecked());
  EXPECT_EQ(Image(60, 3), 0xFF);
  EXPECT_TRUE(main->FormOpenFlag("frm_dtmf"));

  const bool zh = Chinese();
  EXPECT_EQ(form->windowTitle(), InLang(zh, "DTMF 设置", "DTMF Setting"));
  EXPECT_EQ(form->Label_First_Delay->text(), InLang(zh, "首位数码延迟时间(毫秒)", "Pre-Time(ms)"));
  EXPECT_EQ(form->Label_Dtmf_Space->text(), InLang(zh, "数码间隔时间(毫秒)", "Intervals(ms)"));
  EXPECT_EQ(form->Label_Dtmf_Delay->text(), InLang(zh, "数码延迟时间(毫秒)", "Duration(ms)"));
  EXPECT_EQ(form->Check_dtmfST->text(), InLang(zh, "DTMF 侧音", "DTMF Side Tone"));
  EXPECT_EQ(form->Command_Close->text(), InLang(zh, "关闭", "Close"));
  EXPECT_EQ(form->Command_Help->text(), InLang(zh, "帮助", "Help"));
}

INSTANTIATE_TEST_SUITE_P(Languages, DtmfLangTest, ::testing::Bool(), LangName);

TEST_F(DtmfTest, StoredValuesSelectTheirEntries) {
  struct Case {
    std::uint8_t first, space, delay;
    const char *firstText, *spaceText, *delayText;
    std::uint8_t firstStored;
  };
  const Case cases[] = {
      {0, 0, 1, "50", "50", "75", 0},
      {88, 254, 255, "4450", "6400", "6425", 88},
      {89, 100, 7, "4500", "2550", "225", 89},
      {90, 17, 0, "4500", "475", "50", 89},
  };
  for (const auto& c : cases) {
    Image(60, 5) = c.first;
    Image(60, 6) = c.space;
    Image(60, 7) = c.delay;
    EnterImage();
    auto* form = Open<frm_dtmf>("frm_dtmf");
    EXPECT_EQ(form->Combo_First_delay->currentText(), c.firstText);
    EXPECT_EQ(form->Combo_DTMF_SPACE->currentText(), c.spaceText);
    EXPECT_EQ(form->Combo_DTMF_DELAY->currentText(), c.delayText);
    EXPECT_EQ(Image(60, 5), c.firstStored);
    EXPECT_EQ(Image(60, 6), c.space);
    EXPECT_EQ(Image(60, 7), c.delay);
  }
}

TEST_F(DtmfTest, ListsHoldEveryStep) {
  auto* form = Open<frm_dtmf>("frm_dtmf");
  ASSERT_EQ(form->Combo_First_delay->count(), 90);
  for (int i = 0; i < 90; ++i) {
    EXPECT_EQ(form->Combo_First_delay->itemText(i), QString::number(50 * (i + 1)));
  }
  for (ComboBox* box : {form->Combo_DTMF_SPACE, form->Combo_DTMF_DELAY}) {
    ASSERT_EQ(box->count(), 256);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(box->itemText(i), QString::number(50 + 25 * i));
  }
}

TEST_F(DtmfTest, SideToneChangesOnlyBitSix) {
  auto* form = OpenShown<frm_dtmf>("frm_dtmf");
  for (std::uint8_t start :
       {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0xA5}, std::uint8_t{0x1B}}) {
    Image(60, 3) = start;
    form->Read_Dtmf();
    EXPECT_EQ(Image(60, 3), start);
    ClickCheck(form->Check_dtmfST);
    EXPECT_EQ(Image(60, 3), start ^ 0x40) << +start;
    ClickCheck(form->Check_dtmfST);
    EXPECT_EQ(Image(60, 3), start) << +start;
  }
}

TEST_F(DtmfTest, OptionWindowEditsLeaveTheSideTone) {
  Image(60, 3) = 0x40;
  auto* dtmf = Open<frm_dtmf>("frm_dtmf");
  auto* option = OpenShown<frm_option>("frm_option");
  ClickCheck(option->Check_Save);
  ClickCheck(option->Check_STE);
  option->Combo_pttID->Select(3);
  EXPECT_EQ(Image(60, 3), 0x40 | 0x80 | 0x20 | 0x03);
  dtmf->Read_Dtmf();
  EXPECT_TRUE(dtmf->Check_dtmfST->isChecked());
  ClickCheck(dtmf->Check_dtmfST);
  EXPECT_EQ(Image(60, 3), 0x80 | 0x20 | 0x03);
}

TEST_F(DtmfTest, TypingAndChoosing) {
  auto* form = OpenShown<frm_dtmf>("frm_dtmf");
  struct Case {
    ComboBox* box;
    int col;
  };
  for (const Case& c : {Case{form->Combo_First_delay, 5}, Case{form->Combo_DTMF_SPACE, 6},
                        Case{form->Combo_DTMF_DELAY, 7}}) {
    Image(60, c.col) = 40;
    form->Read_Dtmf();
    c.box->setFocus();
    QTest::keyClick(c.box, Qt::Key_Down);
    EXPECT_EQ(Image(60, c.col), 41);
    QTest::keyClick(c.box, Qt::Key_Up);
    QTest::keyClick(c.box, Qt::Key_Up);
    EXPECT_EQ(Image(60, c.col), 39);
    QTest::keyClicks(c.box->lineEdit(), "ms");
    EXPECT_EQ(c.box->currentText(), "50");
    EXPECT_EQ(Image(60, c.col), 0);
    c.box->lineEdit()->selectAll();
    QTest::keyClicks(c.box->lineEdit(), "75");  // "7" is no entry: the first snaps back
    EXPECT_EQ(c.box->currentText(), "50");
    EXPECT_EQ(Image(60, c.col), 0);
  }
}

}  // namespace
