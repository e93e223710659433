// Undo and redo through the keys a user presses, and the question before exiting.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "channels/forms/channel_widgets.h"
#include "channels/forms/frm_chann.h"
#include "codec/channel_record.h"
#include "features/forms/frm_option.h"
#include "features/option_codec.h"
#include "shell/forms/controls.h"
#include "shell/model_band.h"
#include "support/gui_test.h"

namespace {

class UndoExitTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    QApplication::setActiveWindow(main.get());
  }
  // Channel n on 435 MHz with the new-channel defaults, as a read would leave it.
  static void PutChannel(int n) {
    const int cells[16] = {0x00, 0x00, 0x50, 0x43, 0x00, 0x00, 0x50, 0x43,
                           0,    0,    0,    0,    0x60, 0xFF, 0xFF, 0xFF};
    for (int c = 0; c < 16; ++c) Image(n, c) = static_cast<std::uint8_t>(cells[c]);
  }
  void Key(QWidget* target, Qt::Key key) {
    QTest::keyClick(target, key, Qt::ControlModifier);
    ProcessEvents();
  }
  bool Asked() const {
    for (const auto& m : messages) {
      if (m.text.startsWith(QString::fromUtf8("信道数据已修改"))) return true;
    }
    return false;
  }
};

TEST_F(UndoExitTest, EditMenuBeginsWithUndoAndRedo) {
  const QList<QAction*> items = main->Edit->actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items[0], main->Edit_undo);
  EXPECT_EQ(items[1], main->Edit_redo);
  EXPECT_EQ(main->Edit_undo->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(main->Edit_redo->shortcut(), QKeySequence("Ctrl+Y"));
  EXPECT_EQ(main->Edit_undo->text(), QString::fromUtf8("撤销"));
  main->Language_eng_Click();
  EXPECT_EQ(main->Edit_undo->text(), "Undo");
  EXPECT_EQ(main->Edit_redo->text(), "Redo");
}

TEST_F(UndoExitTest, ClearIsUndoneAndRedone) {
  PutChannel(1);
  PutChannel(16);
  const RadioImage read = TheImage();
  auto* grid = Open<frm_chann>("frm_chann");
  QTest::mouseClick(grid->Command_Clear, Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(Image(1, 0), RadioImage::kErased);
  ASSERT_TRUE(grid->TextMatrix(16, 1).isEmpty());

  Key(grid->Command_Clear, Qt::Key_Z);
  EXPECT_TRUE(TheImage() == read);
  EXPECT_EQ(grid->TextMatrix(16, 1), "435.00000");  // shown at once, as on activation

  Key(grid->Command_Clear, Qt::Key_Y);
  EXPECT_EQ(Image(16, 0), RadioImage::kErased);
  EXPECT_TRUE(grid->TextMatrix(16, 1).isEmpty());
}

TEST_F(UndoExitTest, AReadOrALoadIsOneStepAndWhatExitComparesWith) {
  const RadioImage start = TheImage();
  PutChannel(3);  // what a read or a load puts into the image
  Doc().Enter(Doc().Image(), ImageSource::Read);
  const RadioImage read = TheImage();
  EXPECT_FALSE(main->ImageChanged());
  main->Edit_undo->trigger();
  EXPECT_TRUE(TheImage() == start);
  EXPECT_TRUE(main->ImageChanged());
  main->Edit_redo->trigger();
  EXPECT_TRUE(TheImage() == read);
  EXPECT_FALSE(main->ImageChanged());
}

TEST_F(UndoExitTest, AnImportIsOneStepShownAtOnce) {
  auto* grid = Open<frm_chann>("frm_chann");
  PutChannel(2);
  PutChannel(5);
  Doc().Enter(Doc().Image(), ImageSource::Import);
  EXPECT_EQ(grid->TextMatrix(5, 1), "435.00000");
  EXPECT_TRUE(main->ImageChanged());
  main->Edit_undo->trigger();
  EXPECT_EQ(Image(2, 0), RadioImage::kErased);
  EXPECT_TRUE(grid->TextMatrix(5, 1).isEmpty());
}

TEST_F(UndoExitTest, TypingInATextBoxIsUndoneThereFirst) {
  auto* options = Open<frm_option>("frm_option");
  ClickCheck(options->Check_Beep);
  const std::uint8_t flags = Image(60, 3);
  options->Text_PASSWORD->setFocus();
  QTest::keyClicks(options->Text_PASSWORD, "12");
  ProcessEvents();
  ASSERT_EQ(Image(61, 7), 2);

  Key(options->Text_PASSWORD, Qt::Key_Z);
  EXPECT_TRUE(options->Text_PASSWORD->text().isEmpty());
  EXPECT_EQ(Image(61, 6), RadioImage::kErased);
  EXPECT_EQ(Image(60, 3), flags);  // the image's own undo has not run
}

TEST_F(UndoExitTest, LookingAtEveryEditorIsNoChange) {
  // A blank radio read: what the editors show of it is what the image holds.
  RadioImage blank = TheImage();
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) blank.at(r, c) = RadioImage::kErased;
  }
  Doc().Enter(blank, ImageSource::Read);
  const RadioImage read = TheImage();
  for (const char* form : {"frm_chann", "frm_option", "Form_edit_Key", "frm_dtmf", "Form_Edit_scan",
                           "Form_Edit_Test", "Form_Edit_Message", "frm_chann"}) {
    main->OpenChild(QString::fromLatin1(form));
  }
  main->Language_eng_Click();
  ProcessEvents();
  EXPECT_TRUE(TheImage() == read);  // drawing never writes
  EXPECT_FALSE(main->ImageChanged());
  main->File_exit_Click();
  EXPECT_FALSE(main->isVisible());
  EXPECT_FALSE(Asked());
}

TEST_F(UndoExitTest, ExitAsksOnlyWhenAChangeWouldBeLost) {
  const std::function<void()> exits[] = {
      [&] { main->File_exit->trigger(); }, [&] { main->Menu_exit->trigger(); },
      [&] { main->Toolbar1_ButtonClick("Exit"); }, [&] { main->close(); }};
  int answer = 2;
  SetAnswerHook([&](const QString&, const QStringList& buttons) {
    EXPECT_EQ(buttons, QStringList({QString::fromUtf8("保存"), QString::fromUtf8("不保存"),
                                    QString::fromUtf8("取消")}));
    return answer;
  });
  int n = 0;
  for (const auto& exit : exits) {
    SCOPED_TRACE(n++);
    main->show();
    Doc().MarkSaved();
    messages.clear();
    exit();
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(Asked());

    main->show();
    Image(60, 0) ^= 1;
    answer = 2;  // Cancel
    exit();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(Asked());
    EXPECT_EQ(messages.back().title, QString::fromUtf8("操作提示"));

    answer = 0;  // Save: the save dialog, and no exit
    exit();
    EXPECT_TRUE(main->isVisible());
    EXPECT_NE(main->FindChildForm("Form_save_chann"), nullptr);
    main->UnloadChild("Form_save_chann");
    ProcessEvents();

    answer = 1;  // Discard
    exit();
    EXPECT_FALSE(main->isVisible());
  }
  SetAnswerHook(nullptr);
}

}  // namespace

namespace {

using DocumentWorkflow = GuiTest;

// A 136-174 MHz file: the grid opens on its own, takes 150 MHz in channel 1, and a
// read then shows in it at once.
TEST_F(DocumentWorkflow, OpenedBandIsTheGridsLimitsAndEveryChangeShowsAtOnce) {
  RadioImage vhf = StartupImage();
  ApplyBand(0, vhf);
  StoreRangeEdge(144, kRangeLowCell, vhf);  // a file of part of the band
  Doc().Enter(vhf, ImageSource::Open);
  ProcessEvents();
  EXPECT_EQ(main->PanelText(7), " 144-- 174 MHZ");
  auto* grid = main->FindChildAs<frm_chann>();
  ASSERT_NE(grid, nullptr);
  const CommitResult typed = CommitTypedFrequency(*grid, 1, FreqField::Rx, "150", RangeRule::Grid);
  EXPECT_EQ(typed.outcome, CommitOutcome::Stored);
  EXPECT_EQ(ChannelRxText(Doc().Image(), 1), "150.00000");
  EXPECT_TRUE(messages.empty());

  auto* options = main->OpenChildAs<frm_option>("frm_option");
  // The range narrows within the band the file is of, not the start-up band.
  main->show();
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  QTest::mouseClick(options->Text_pvfo_d0, Qt::LeftButton);
  options->Text_pvfo_d0->selectAll();
  QTest::keyClicks(options->Text_pvfo_d0, "140");
  QTest::keyClick(options->Text_pvfo_d0, Qt::Key_Tab);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(140));
  EXPECT_EQ(main->PanelText(7), " 140-- 174 MHZ");
  RadioImage read = Doc().Image();
  std::string text = "151.5";
  StoreFreqText(read, text, 2, kRxFreqCol);
  New_Chann(read, 2);
  Doc().Enter(read, ImageSource::Read);
  EXPECT_EQ(grid->TextMatrix(2, 1), "151.50000");  // redrawn without activation
  EXPECT_EQ(options->Text_pvfo_d1->text(), "174");
  EXPECT_FALSE(main->ImageChanged());
  main->Edit_undo->trigger();
  EXPECT_TRUE(grid->TextMatrix(2, 1).isEmpty());
}

}  // namespace
