#include "features/forms/form_edit_key.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include "editor_test.h"
#include "shell/forms/controls.h"

namespace {

using KeyLangTest = EditorLangTest;
using KeyTest = EditorTest;

std::array<ComboBox*, 4> Lists(Form_edit_Key* form) {
  return {form->Combo_pf1_S, form->Combo_pf1_L, form->Combo_PF2_S, form->Combo_PF2_L};
}

TEST_P(KeyLangTest, ErasedImageOpensAtCodeZeroAndWritesIt) {
  EraseImage();
  auto* form = Open<Form_edit_Key>("Form_edit_Key");
  ASSERT_NE(form, nullptr);
  const bool zh = Chinese();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(Lists(form)[static_cast<std::size_t>(k)]->currentIndex(), 0);
    EXPECT_EQ(Image(60, 8 + k), 0);
  }
  EXPECT_EQ(form->Combo_pf1_S->currentText(), InLang(zh, "无", "No Function"));
  EXPECT_EQ(form->Combo_pf1_L->currentText(), InLang(zh, "无", "None"));
  EXPECT_EQ(form->Combo_PF2_S->currentText(), InLang(zh, "无", "None"));
  EXPECT_EQ(form->Combo_PF2_L->currentText(), InLang(zh, "无", "None"));
  EXPECT_TRUE(main->FormOpenFlag("Form_edit_Key"));

  EXPECT_EQ(form->windowTitle(), InLang(zh, "键设定", "Key Assingment"));
  EXPECT_EQ(form->Frame_pf1->title(), InLang(zh, "侧键 2  功能", "Side Button 2"));
  EXPECT_EQ(form->Frame_pf2->title(), InLang(zh, "侧键 3  功能", "Side Button 3"));
  for (QLabel* label : {form->Label_PF1_s, form->Label_PF2_S}) {
    EXPECT_EQ(label->text(), InLang(zh, "短按", "Short Press"));
  }
  for (QLabel* label : {form->Label_PF1_L, form->Label_PF2_L}) {
    EXPECT_EQ(label->text(), InLang(zh, "长按", "Long Press"));
  }
  const char* zhEntries[] = {"监听", "扫描  开/关", "扫描暂时取消", "高/低功率",
                             "脱网", "频率反转",    "声控 开/关"};
  const char* enEntries[] = {"Monitor",        "Scan On/Off", "Scan+Temporary Delete",
                             "High/Low Power", "Talk Around", "Reverse Frequency",
                             "VOX On/Off"};
  for (ComboBox* list : Lists(form)) {
    ASSERT_EQ(list->count(), 8);
    for (int code = 1; code < 8; ++code) {
      EXPECT_EQ(list->itemText(code), InLang(zh, zhEntries[code - 1], enEntries[code - 1]));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyLangTest, ::testing::Bool(), LangName);

TEST_F(KeyTest, CodeBeyondTheListBecomesZero) {
  const std::uint8_t stored[4] = {8, 7, 200, 3};
  const int shown[4] = {0, 7, 0, 3};
  for (int k = 0; k < 4; ++k) Image(60, 8 + k) = stored[k];
  Image(60, 7) = 0x55;
  Image(60, 12) = 0x66;
  EnterImage();
  auto* form = Open<Form_edit_Key>("Form_edit_Key");
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(Lists(form)[static_cast<std::size_t>(k)]->currentIndex(), shown[k]) << k;
    EXPECT_EQ(Image(60, 8 + k), shown[k]) << k;
  }
  EXPECT_EQ(Image(60, 7), 0x55);
  EXPECT_EQ(Image(60, 12), 0x66);
}

TEST_F(KeyTest, EachListStoresItsOwnCell) {
  auto* form = OpenShown<Form_edit_Key>("Form_edit_Key");
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 4; ++j) Image(60, 8 + j) = 2;
    form->Read_Keys();
    ComboBox* list = Lists(form)[static_cast<std::size_t>(k)];
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(Image(60, 8 + j), j == k ? 3 : 2) << k << j;
    QTest::keyClicks(list->lineEdit(), "?");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(Image(60, 8 + k), 0);
  }
}

TEST_F(KeyTest, FocusOnAKeyListShowsThatKeyInRed) {
  auto* form = OpenShown<Form_edit_Key>("Form_edit_Key");
  EXPECT_FALSE(form->Picture1->isHidden());
  EXPECT_TRUE(form->Picture2->isHidden());
  EXPECT_EQ(form->Picture1->pixmap().size(), QSize(113, 255));
  EXPECT_EQ(form->Picture2->pixmap().size(), QSize(113, 255));
  EXPECT_NE(form->Picture1->pixmap().toImage(), form->Picture2->pixmap().toImage());

  QTest::mouseClick(form->Combo_pf1_L, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(form->Combo_pf1_L->hasFocus());
  QTest::keyClick(form->Combo_pf1_L, Qt::Key_Tab);
  ASSERT_TRUE(form->Combo_PF2_S->hasFocus());
  EXPECT_TRUE(form->Picture1->isHidden());
  EXPECT_FALSE(form->Picture2->isHidden());
  QTest::keyClick(form->Combo_PF2_S, Qt::Key_Tab);
  EXPECT_FALSE(form->Picture2->isHidden());
  QTest::keyClick(form->Combo_PF2_L, Qt::Key_Backtab);
  QTest::keyClick(form->Combo_PF2_S, Qt::Key_Backtab);
  ASSERT_TRUE(form->Combo_pf1_L->hasFocus());
  EXPECT_FALSE(form->Picture1->isHidden());
  EXPECT_TRUE(form->Picture2->isHidden());
}

TEST_F(KeyTest, MenuOpensItPlacedBelowTheTop) {
  main->key_edit->trigger();
  ProcessEvents();
  auto* form = qobject_cast<Form_edit_Key*>(main->FindChildForm("Form_edit_Key"));
  ASSERT_NE(form, nullptr);
  const QSize mainSize = main->frameGeometry().size();
  const QRect frame = form->SubWindow()->geometry();
  EXPECT_EQ(frame.top(), 13);
  EXPECT_EQ(frame.width(), static_cast<int>(mainSize.width() / 1.5));
  EXPECT_EQ(frame.height(), static_cast<int>(mainSize.height() / 1.4));
  QTest::mouseClick(form->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(main->FormOpenFlag("Form_edit_Key"));
}

}  // namespace
