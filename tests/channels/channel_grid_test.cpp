#include <QAction>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolBar>

#include "channel_test_support.h"
#include "channels/channel_edit_rules.h"
#include "channels/channel_texts.h"
#include "channels/forms/form_chann_edit.h"
#include "channels/forms/frm_chann.h"

namespace {

using namespace channel_test;

class Grid : public BilingualFixture {
 protected:
  // The user switches to another window and back.
  void Reactivate() {
    main->OpenChild("Form_setup");
    main->MdiArea()->setActiveSubWindow(grid->SubWindow());
  }
};

INSTANTIATE_TEST_SUITE_P(Languages, Grid, ::testing::Bool(), LanguageName);

TEST_P(Grid, LoadsHeaderChannelNumbersAndCaption) {
  Doc().Cur_Chann = 9;
  OpenGrid();
  for (int c = 0; c < frm_chann::kCols; ++c) {
    EXPECT_EQ(Cell(0, c).toStdString(), ChannelColumnCaption(c, GetParam()));
    // Every header text fits its column.
    EXPECT_LE(grid->MSF_Chann->horizontalHeader()->fontMetrics().horizontalAdvance(Cell(0, c)),
              grid->MSF_Chann->columnWidth(c));
  }
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(Cell(r, 0), QString::number(r));
  EXPECT_EQ(grid->windowTitle(), L("信道参数编辑", "Channel Information"));
  EXPECT_EQ(grid->Command_Edit->text(), L("信道编辑", "Channel Edit"));
  EXPECT_EQ(Doc().Cur_Chann, 1);
  EXPECT_TRUE(main->FormOpenFlag("frm_chann"));
  EXPECT_FALSE(grid->Text_Edit->isVisible());
  EXPECT_FALSE(grid->Combo_edit->isVisible());
  QTest::mouseClick(grid->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("frm_chann"), nullptr);
  EXPECT_FALSE(main->FormOpenFlag("frm_chann"));
}

TEST_P(Grid, RowsShowTheRecords) {
  PutChannel(1, "136.125", "136.125");
  SetChannelEncodeTone(TheImage(), 1, 13);
  PutChannel(2, "438.00625", "88.5");
  SetChannelDecodeTone(TheImage(), 2, 156);
  Image(2, kOptionCol) = 0x98;
  PutChannel(3, "145");  // no transmit frequency
  Image(3, kOptionCol) = 0x68;
  Image(5, 0) = 0xFF;  // empty, whatever the rest holds
  for (int c = 1; c < 16; ++c) Image(5, c) = static_cast<std::uint8_t>(c);
  Doc().Enter(Doc().Image(), ImageSource::Read);
  OpenGrid();
  EXPECT_EQ(RecordOf(5), Erased());  // an empty channel enters erased whole
  for (int n = 1; n <= 16; ++n) {
    for (int c = 0; c < frm_chann::kCols; ++c) {
      EXPECT_EQ(Cell(n, c).toStdString(), ChannelCellText(TheImage(), n, c, GetParam()))
          << "row " << n << " col " << c;
    }
  }
  EXPECT_TRUE(RowBlank(5));
  // Busy-lock bits 10 have no text: the cell keeps what it showed.
  Image(3, kOptionCol) = 0x70;
  Reactivate();
  EXPECT_EQ(Cell(3, 5), L("载波", "Carrier"));
  EXPECT_EQ(Cell(3, 8), L("是", "Yes"));
}

TEST_P(Grid, EnterStoresReceiveAndTransmitAndMovesOn) {
  SetLimits(136, 174);
  OpenGrid();
  Click(4, 1);
  ASSERT_EQ(Focus(), grid->Text_Edit);
  EXPECT_EQ(Doc().Cur_Chann, 4);
  Type("145");
  Key(Qt::Key_Return);
  // A new channel transmits on its receive frequency (the bytes: channel_edit_rules_test),
  // and the transmit cell is open for editing.
  EXPECT_EQ(Cell(4, 1), "145.00000");
  EXPECT_EQ(Cell(4, 2), "145.00000");
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(Focus(), grid->Text_Edit);
  EXPECT_EQ(grid->Text_Edit->text(), "145.00000");
  EXPECT_TRUE(messages.empty());

  Erase();
  Type("146.0123");
  Key(Qt::Key_Return);
  EXPECT_EQ(Cell(4, 2), "146.01000");  // snapped down to the 5 kHz raster
  EXPECT_EQ(ChannelTxText(TheImage(), 4), "146.01000");
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_TRUE(grid->Combo_edit->isVisible());
  EXPECT_EQ(Focus(), grid->Combo_edit);
}

TEST_P(Grid, ClickingAwayStoresTheReceiveFrequencyOnly) {
  OpenGrid();
  Click(2, 1);
  Type("435");
  Click(6, 3);
  EXPECT_EQ(ChannelRxText(TheImage(), 2), "435.00000");
  EXPECT_FALSE(ChannelHasTx(TheImage(), 2));
  EXPECT_EQ(Cell(2, 1), "435.00000");
  EXPECT_EQ(Cell(2, 2), "");
  EXPECT_EQ(Doc().Cur_Chann, 6);
  EXPECT_FALSE(grid->Text_Edit->isVisible());
  EXPECT_FALSE(grid->Combo_edit->isVisible());  // channel 6 is empty: nothing to choose
}

struct RangeCase {
  const char* typed;
  bool byEnter;
  bool message;
  const char* rx;  // stored afterwards
  const char* tx;  // nullptr: none
};

TEST_P(Grid, ReceiveFrequencyRange) {
  // Limits 400..470; the rules themselves are the core's (channel_edit_rules_test).
  const RangeCase cases[] = {
      {"470", true, true, "400.00000", "400.00000"},
      {"999", false, true, "400.00000", "400.00000"},
      {"469.99999", true, false, "469.99500", "469.99500"},
      {" 446.5", false, false, "446.50000", nullptr},
  };
  OpenGrid();
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + (c.byEnter ? " Enter" : " click"));
    ClearChannel(TheImage(), 7);
    Reactivate();
    messages.clear();
    // While the message is up, the editor is gone and the row still shows the image.
    onMessage = [&](const RecordedMessage&) {
      EXPECT_FALSE(grid->Text_Edit->isVisible());
      EXPECT_TRUE(RowBlank(7));
      EXPECT_EQ(RecordOf(7), Erased());
    };
    Click(7, 1);
    Type(c.typed);
    if (c.byEnter) {
      Key(Qt::Key_Return);
    } else {
      Click(9, 0);
    }
    onMessage = nullptr;
    if (c.message) {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0].text,
                L("接收频率超出范围 ！", "Over the range of receive frequency ."));
      EXPECT_EQ(messages[0].title, L("操作提示", "Operate prompt"));
      EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    } else {
      EXPECT_TRUE(messages.empty());
    }
    EXPECT_EQ(ChannelRxText(TheImage(), 7), c.rx);
    EXPECT_EQ(Cell(7, 1), c.rx);
    EXPECT_EQ(ChannelHasTx(TheImage(), 7), c.tx != nullptr);
    EXPECT_EQ(Cell(7, 2), c.tx ? c.tx : "");
    if (c.tx) {
      EXPECT_EQ(ChannelTxText(TheImage(), 7), c.tx);
    }
  }
}

TEST_P(Grid, EmptyingAFrequencyCellByEnterOrByLeaving) {
  for (const int column : {1, 2}) {
    for (const bool byEnter : {true, false}) {
      SCOPED_TRACE(testing::Message() << "column " << column << (byEnter ? " Enter" : " click"));
      PutChannel(3, "435", "440");
      OpenGrid();
      Click(3, column);
      Erase();
      if (byEnter) {
        Key(Qt::Key_Return);
      } else {
        Click(1, 0);
      }
      // Receive: the channel is deleted; transmit: the channel keeps its receive frequency.
      EXPECT_EQ(ChannelEmpty(TheImage(), 3), column == 1);
      EXPECT_FALSE(ChannelHasTx(TheImage(), 3));
      EXPECT_EQ(Cell(3, 1), column == 1 ? "" : "435.00000");
      EXPECT_EQ(Cell(3, 2), "");
      EXPECT_EQ(Cell(3, 4), "");
      EXPECT_TRUE(messages.empty());
    }
  }
}

TEST_P(Grid, TransmitBeforeReceiveIsRefused) {
  OpenGrid();
  Click(5, 2);
  Type("435");
  Key(Qt::Key_Return);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            L("请先输入接收频率 ！", "Please input the receive frequency in advance."));
  EXPECT_EQ(RecordOf(5), Erased());
  EXPECT_TRUE(RowBlank(5));
  // On to the receive cell of the next row.
  EXPECT_EQ(grid->Row(), 6);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(Focus(), grid->Text_Edit);
  messages.clear();
  Click(8, 2);
  Type("435");
  Click(8, 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(RecordOf(8), Erased());
}

TEST_P(Grid, TextEditTakesTenCharactersAtMost) {
  SetLimits(136, 174);
  OpenGrid();
  Click(1, 1);
  Type("145.1234567");
  EXPECT_EQ(grid->Text_Edit->text(), "145.123456");
  Key(Qt::Key_Return);  // refused too
  EXPECT_TRUE(ChannelEmpty(TheImage(), 1));
  EXPECT_TRUE(grid->Text_Edit->isVisible());
  EXPECT_EQ(grid->Col(), 1);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(grid->Text_Edit->text(), "145.12345");
  Key(Qt::Key_Return);
  EXPECT_EQ(ChannelRxText(TheImage(), 1), "145.12000");
  EXPECT_EQ(grid->Col(), 2);
}

TEST_P(Grid, DropDownListsFollowTheColumn) {
  PutChannel(1, "435", "440");
  OpenGrid();
  Click(1, 3);
  ComboBox* combo = grid->Combo_edit;
  ASSERT_TRUE(combo->isVisible());
  EXPECT_EQ(combo->geometry(), grid->CellRect(1, 3));
  ASSERT_EQ(combo->count(), 261);
  EXPECT_EQ(combo->itemText(0), L("关", "OFF"));
  EXPECT_EQ(combo->itemText(1), "67.0");
  EXPECT_EQ(combo->itemText(51), "D023N");
  EXPECT_EQ(combo->itemText(156), "D023I");
  EXPECT_EQ(combo->itemText(260), "D754I");
  EXPECT_EQ(combo->currentText(), Cell(1, 3));
  const std::pair<int, QStringList> lists[] = {
      {5, {L("关", "OFF"), L("载波", "Carrier"), "QT/DQT"}},
      {6, {L("低", "Low"), L("高", "High")}},
      {7, {L("窄带", "Narrow"), L("宽带", "Wide")}},
      {8, {L("是", "Yes"), L("否", "No")}},
  };
  for (const auto& [column, entries] : lists) {
    Click(1, column);
    EXPECT_EQ(Entries(combo), entries) << column;
    EXPECT_EQ(combo->currentText(), Cell(1, column));
    EXPECT_EQ(combo->geometry(), grid->CellRect(1, column));
    EXPECT_FALSE(grid->Text_Edit->isVisible());
  }
}

TEST_P(Grid, ChoosingAnEntryStoresIt) {
  // Every list entry's bytes are the core's (channel_edit_rules_test); here the clicks.
  PutChannel(1, "435", "440");
  OpenGrid();
  for (const int column : {3, 4, 5, 6, 8}) {
    SCOPED_TRACE(testing::Message() << "column " << column);
    const int entry = column == 4 ? 260 : column == 6 ? 0 : 1;
    RadioImage expected = TheImage();
    ASSERT_TRUE(StoreGridChoice(expected, 1, column, entry));
    ASSERT_NE(expected, TheImage());  // each choice changes something
    Click(1, column);
    ChooseEntry(grid->Combo_edit, entry);
    EXPECT_EQ(TheImage(), expected);
    const QString chosen = grid->Combo_edit->itemText(entry);
    Click(2, 0);
    EXPECT_EQ(Cell(1, column), chosen);
  }
  // Redrawn in the grid's own words.
  Reactivate();
  EXPECT_EQ(Cell(1, 8), L("否", "NO"));
}

TEST_P(Grid, TypingIntoTheDropDownIsUndone) {
  PutChannel(1, "435", "440");
  OpenGrid();
  Click(1, 6);
  const Record before = RecordOf(1);
  Type("Low x");
  EXPECT_EQ(grid->Combo_edit->currentText(), L("高", "High"));
  ChooseEntry(grid->Combo_edit, 0);
  Type("Hi");
  EXPECT_EQ(grid->Combo_edit->currentText(), L("低", "Low"));
  EXPECT_TRUE(ChannelLowPower(TheImage(), 1));
  Image(1, kOptionCol) = static_cast<std::uint8_t>(before[kOptionCol]);
  EXPECT_EQ(RecordOf(1), before);
}

TEST_P(Grid, EnterWalksAlongTheRowToTheNextReceiveCell) {
  PutChannel(15, "435", "440");
  PutChannel(16, "436");  // no transmit: the encode column is skipped
  OpenGrid();
  Click(15, 3);
  for (int c = 4; c <= 8; ++c) {
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Col(), c);
    EXPECT_EQ(Focus(), grid->Combo_edit);
  }
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Row(), 16);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(Focus(), grid->Text_Edit);
  EXPECT_EQ(grid->Text_Edit->text(), "436.00000");
  EXPECT_EQ(grid->Text_Edit->geometry(), grid->CellRect(16, 1));

  // Where each Enter goes is the core's (channel_edit_rules_test); here the editors.
  Click(16, 4);
  EXPECT_FALSE(grid->Combo_edit->isVisible());
  EXPECT_FALSE(grid->Text_Edit->isVisible());
  Click(16, 8);
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Text_Edit->geometry(), grid->CellRect(16, 1));
  EXPECT_FALSE(ChannelHasTx(TheImage(), 16));
}

TEST_P(Grid, ClearEmptiesEveryChannelAndBothEditors) {
  for (int n = 1; n <= 16; ++n) PutChannel(n, "435", "440");
  OpenGrid();
  Click(4, 1);
  Type("9");
  QTest::mouseClick(grid->Command_Clear, Qt::LeftButton);
  for (int n = 1; n <= 16; ++n) {
    EXPECT_EQ(RecordOf(n), Erased()) << n;
    EXPECT_TRUE(RowBlank(n)) << n;
    EXPECT_EQ(Cell(n, 0), QString::number(n));
  }
  EXPECT_FALSE(grid->Text_Edit->isVisible());
  EXPECT_TRUE(grid->Text_Edit->text().isEmpty());
  EXPECT_FALSE(grid->Combo_edit->isVisible());
  EXPECT_TRUE(grid->Combo_edit->currentText().isEmpty());
  EXPECT_TRUE(messages.empty());
}

TEST_P(Grid, MovingThroughCellsChangesNothing) {
  PutChannel(2, "150", "155");  // outside 400..470, as a file from another band may hold
  PutChannel(3, "435");
  OpenGrid();
  const Record two = RecordOf(2);
  const Record three = RecordOf(3);
  Click(2, 0);
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Left);
  Click(2, 1);  // looking, not typing
  Click(2, 2);
  Click(3, 2);
  Click(3, 0);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(RecordOf(2), two);
  EXPECT_EQ(RecordOf(3), three);
  EXPECT_EQ(Cell(3, 2), "");
}

TEST_P(Grid, ClosingCommitsTheOpenEditAndTheDialog) {
  OpenGrid();
  Click(1, 1);
  Type("435");
  QTest::mouseClick(grid->Command_Edit, Qt::LeftButton);
  // The dialog reads the image only after the grid committed into it.
  auto* dialog = qobject_cast<Form_Chann_Edit*>(main->FindChildForm("Form_Chann_Edit"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "435.00000");
  EXPECT_EQ(ChannelRxText(TheImage(), 1), "435.00000");

  main->MdiArea()->setActiveSubWindow(grid->SubWindow());
  Click(1, 2);
  Type("999");
  QTest::mouseClick(grid->Command_Close, Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(ChannelTxText(TheImage(), 1), "400.00000");
  EXPECT_EQ(main->FindChildForm("frm_chann"), nullptr);
  EXPECT_EQ(main->FindChildForm("Form_Chann_Edit"), nullptr);

  // Closing through the title bar commits too.
  OpenGrid();
  Click(2, 1);
  Type("436");
  grid->SubWindow()->close();
  ProcessEvents();
  EXPECT_EQ(ChannelRxText(TheImage(), 2), "436.00000");
}

TEST_P(Grid, ScrollingCommitsAndEditorsStayOverTheirCells) {
  main->resize(900, 420);
  ProcessEvents();
  OpenGrid();
  QScrollBar* bar = grid->MSF_Chann->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0) << "the grid must scroll at this size";
  Click(2, 1);
  EXPECT_EQ(grid->Text_Edit->geometry(), grid->CellRect(2, 1));
  Type("435");
  ClickArrow(bar, false);
  EXPECT_EQ(ChannelRxText(TheImage(), 2), "435.00000");
  EXPECT_FALSE(grid->Text_Edit->isVisible());
  // A move past the visible rows brings the cell into view under its editor.
  Click(2, 8);
  grid->MSF_Chann->scrollToTop();
  Click(2, 8);
  for (int i = 0; i < 40 && grid->Row() < 16; ++i) Key(Qt::Key_Return);
  EXPECT_EQ(grid->Row(), 16);
  EXPECT_EQ(grid->Col(), 1);
  const QRect viewport(grid->MSF_Chann->viewport()->mapTo(grid, QPoint(0, 0)),
                       grid->MSF_Chann->viewport()->size());
  EXPECT_TRUE(viewport.contains(grid->Text_Edit->geometry()));
  EXPECT_EQ(grid->Text_Edit->geometry(), grid->CellRect(16, 1));
}

TEST_P(Grid, EditorsFollowTheirCellWhenTheWindowResizes) {
  PutChannel(3, "435", "440");
  OpenGrid();
  for (const int column : {2, 7}) {
    Click(3, column);
    QWidget* editor = column == 2 ? static_cast<QWidget*>(grid->Text_Edit) : grid->Combo_edit;
    const QRect before = editor->geometry();
    grid->SubWindow()->resize(grid->SubWindow()->size() + QSize(120, 60));
    ProcessEvents();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_NE(editor->geometry(), before);
    EXPECT_EQ(editor->geometry(), grid->CellRect(3, column));
  }
}

TEST_P(Grid, LanguageSwitchReloadsAndKeepsTheEdit) {
  OpenGrid();
  Click(3, 1);
  Type("435");
  if (GetParam()) {
    main->Language_eng->trigger();
  } else {
    main->Language_chn->trigger();
  }
  ProcessEvents();
  grid = qobject_cast<frm_chann*>(main->FindChildForm("frm_chann"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(ChannelRxText(TheImage(), 3), "435.00000");
  EXPECT_EQ(Cell(3, 5), GetParam() ? QString("Off") : U("关"));
  EXPECT_EQ(Cell(0, 0), GetParam() ? QString(" Channel ") : U(" 信道号 "));
}

TEST_P(Grid, ToolbarAndMenuOpenTheGrid) {
  main->Channel_edit->trigger();
  ChildForm* first = main->FindChildForm("frm_chann");
  ASSERT_NE(qobject_cast<frm_chann*>(first), nullptr);
  main->Toolbar1->findChild<QAction*>("edit_chann")->trigger();
  ProcessEvents();
  ChildForm* second = main->FindChildForm("frm_chann");
  ASSERT_NE(qobject_cast<frm_chann*>(second), nullptr);
  EXPECT_NE(second, first);
}

}  // namespace
