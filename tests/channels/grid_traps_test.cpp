// The grid's keyboard traps that used to lose channels.
#include <QPushButton>

#include "channel_test_support.h"
#include "channels/forms/frm_chann.h"

namespace {

using namespace channel_test;

class GridTraps : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    SetLimits(400, 470);
    QApplication::setActiveWindow(main.get());
  }
  std::pair<int, int> Current() const { return {grid->Row(), grid->Col()}; }
};

TEST_F(GridTraps, TabCommitsAsEnterAndNeverLeavesTheGrid) {
  OpenGrid();
  Click(1, 1);
  Type("435");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Cell(1, 1), "435.00000");
  EXPECT_EQ(Cell(1, 2), "435.00000");  // as Enter: the transmit frequency follows
  EXPECT_EQ(Current(), std::pair(1, 2));
  EXPECT_EQ(Focus(), grid->Text_Edit);

  // Forward through every cell of the row and on into the next row.
  for (int c = 3; c <= 8; ++c) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::pair(1, c));
    EXPECT_EQ(Focus(), grid->Combo_edit);
  }
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), std::pair(2, 1));
  EXPECT_EQ(Focus(), grid->Text_Edit);

  // Backward: an empty row has no option cells, so Shift+Tab goes on to row 1.
  Key(Qt::Key_Backtab);
  EXPECT_EQ(Current(), std::pair(1, 8));
  for (int c = 7; c >= 1; --c) Key(Qt::Key_Backtab);
  EXPECT_EQ(Current(), std::pair(1, 1));
  Key(Qt::Key_Backtab);
  EXPECT_EQ(Current(), std::pair(1, 1));  // nothing before the first cell
  EXPECT_EQ(Focus(), grid->Text_Edit);

  // The slip that used to wipe the grid: Tab, then Space.
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  EXPECT_EQ(Cell(1, 1), "435.00000");
  EXPECT_NE(Focus(), grid->Command_Clear);
}

TEST_F(GridTraps, TheEditorTextIsSelectedSoTypingReplacesIt) {
  OpenGrid();
  Click(1, 1);
  Type("435");
  Key(Qt::Key_Return);
  ASSERT_EQ(Current(), std::pair(1, 2));
  EXPECT_EQ(grid->Text_Edit->selectedText(), "435.00000");
  Type("440");
  Key(Qt::Key_Return);
  EXPECT_EQ(Cell(1, 2), "440.00000");
  Click(1, 1);
  EXPECT_EQ(grid->Text_Edit->selectedText(), "435.00000");
}

TEST_F(GridTraps, EnterOnAnUntouchedFrequencyStoresNothing) {
  PutChannel(1, "146.00000", "146.50000");  // outside 400 to 470, as a file may hold it
  const Record before = RecordOf(1);
  OpenGrid();
  Click(1, 1);
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), std::pair(1, 2));
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), std::pair(1, 3));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(RecordOf(1), before);
  EXPECT_EQ(Cell(1, 1), "146.00000");
}

}  // namespace
