#include "features/forms/form_edit_test.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "features/forms/form_edit_message.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

void FillFmRow(int value) {
  for (int n = 0; n < 16; ++n) Image(253, n) = static_cast<std::uint8_t>(value);
}

class FmWindowTest : public GuiTest {
 protected:
  Form_Edit_Test* OpenFm() {
    auto* form = Open<Form_Edit_Test>("Form_Edit_Test");
    EXPECT_NE(form, nullptr);
    return form;
  }
  // Clicks grid cell (row, col), rows counted from the heading row 0.
  static void ClickCell(Form_Edit_Test* form, int row, int col) {
    QTest::mouseClick(form->MSF_Chann->viewport(), Qt::LeftButton, {},
                      form->MSF_Chann->CellRect(row, col).center());
  }
  // Opens the editor on a frequency cell and replaces its text by typing.
  static void TypeInto(Form_Edit_Test* form, int row, const char* keys) {
    ClickCell(form, row, 1);
    QTest::keyClick(form->Text_Edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->Text_Edit, Qt::Key_Delete);
    QTest::keyClicks(form->Text_Edit, keys);
  }
};

TEST_F(FmWindowTest, OpensWithItsHeadingsInBothLanguages) {
  for (const bool chinese : {true, false}) {
    Settings().LangChinese = chinese;
    auto* form = OpenFm();
    EXPECT_TRUE(main->FormOpenFlag("Form_Edit_Test"));
    EXPECT_EQ(form->windowTitle(), Lang("收音机编辑", "Radio Frequency"));
    EXPECT_EQ(form->MSF_Chann->CellText(0, 0), Lang("收  音  频  道 ", "Radio Channel "));
    EXPECT_EQ(form->MSF_Chann->CellText(0, 1), Lang("    频      率  (MHZ) ", " Frequency (MHZ)"));
    EXPECT_EQ(form->Command_Close->text(), Lang("关闭", "Close"));
    const QFontMetrics metrics = form->MSF_Chann->horizontalHeader()->fontMetrics();
    for (int col = 0; col < 2; ++col) {
      EXPECT_GE(form->MSF_Chann->columnWidth(col),
                metrics.horizontalAdvance(form->MSF_Chann->CellText(0, col)));
    }
    for (int r = 1; r <= 16; ++r)
      EXPECT_EQ(form->MSF_Chann->CellText(r, 0), QString::number(r - 1));
    // All 16 channels fit without scrolling.
    EXPECT_TRUE(form->MSF_Chann->viewport()->rect().contains(form->MSF_Chann->CellRect(16, 1)));
  }
  QPointer<Form_Edit_Test> form = OpenFm();
  QTest::mouseClick(form->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(form);
  EXPECT_FALSE(main->FormOpenFlag("Form_Edit_Test"));
}

TEST_F(FmWindowTest, DecodesErasedAndReadRows) {
  struct Case {
    int stored;
    const char* shown;
    int afterFocusLeaves;
  };
  const Case cases[] = {{255, "", 255},      {0, "87.0", 0},      {129, "99.9", 129},
                        {130, "100.0", 130}, {210, "108.0", 210}, {211, "", 255}};
  for (const Case& c : cases) {
    FillFmRow(c.stored);
    auto* form = OpenFm();
    for (int r = 1; r <= 16; ++r) EXPECT_EQ(form->MSF_Chann->CellText(r, 1), c.shown) << c.stored;
    EXPECT_EQ(Image(253, 15), c.stored) << "decoding alone writes nothing";
    // The grid loses the focus to the editor: all 16 channels are encoded.
    ClickCell(form, 16, 1);
    for (int n = 0; n < 16; ++n) EXPECT_EQ(Image(253, n), c.afterFocusLeaves) << c.stored;
    form->Unload();
    ProcessEvents();
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(FmWindowTest, EditingACellAndMovingToAnother) {
  struct Case {
    const char* typed;
    const char* shown;
    int stored;
    bool warning;
  };
  const Case cases[] = {
      {"95", "95.0", 80, false},    {"100", "100.0", 130, false}, {"87", "87.0", 0, false},
      {"108", "108.0", 210, false}, {"95.55", "95.5", 85, false}, {"110", "87", 0, true},
      {"86.9", "87", 0, true},      {"x", "87", 0, true},         {"", "", 255, false},
      {"   ", "", 255, false},
  };
  for (const bool chinese : {true, false}) {
    Settings().LangChinese = chinese;
    FillFmRow(50);
    auto* form = OpenFm();
    for (const Case& c : cases) {
      messages.clear();
      TypeInto(form, 4, c.typed);
      EXPECT_TRUE(form->Text_Edit->isVisible());
      EXPECT_EQ(form->Text_Edit->geometry(), form->MSF_Chann->CellRect(4, 1));
      ClickCell(form, 9, 1);  // leaves the cell; the grid then loses the focus to the editor
      EXPECT_EQ(form->MSF_Chann->CellText(4, 1), c.shown) << c.typed;
      EXPECT_EQ(Image(253, 3), c.stored) << c.typed;
      EXPECT_EQ(form->Text_Edit->text(), form->MSF_Chann->CellText(9, 1)) << "editor moved on";
      EXPECT_EQ(form->Text_Edit->geometry(), form->MSF_Chann->CellRect(9, 1));
      ASSERT_EQ(messages.size(), c.warning ? 1u : 0u) << c.typed;
      if (c.warning) {
        EXPECT_EQ(messages[0].text,
                  chinese ? U("收音机频率超出范围 ！") : U("Over the range of FM frequency ."));
        EXPECT_EQ(messages[0].title, chinese ? U("操作提示") : U("Operate prompt"));
      }
      EXPECT_EQ(Image(253, 8), 50);  // the other channels keep their codes
    }
  }
}

TEST_F(FmWindowTest, EveryTenthFrom87To108StoresTheCodeShowingIt) {
  auto* form = OpenFm();
  int row = 1;
  for (int tenths = 870; tenths <= 1080; ++tenths) {
    const QString entry = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
    TypeInto(form, row, entry.toLatin1().constData());
    const int next = row % 16 + 1;
    ClickCell(form, next, 1);
    const int code = Image(253, row - 1);
    ASSERT_EQ(code, tenths - 870) << entry.toStdString();
    EXPECT_EQ(form->MSF_Chann->CellText(row, 1), entry);
    row = next;
  }
  // Decoded again, each channel shows what was typed into it last.
  form->Form_Activate();
  for (int r = 1; r <= 16; ++r) {
    int last = 210;
    while (last % 16 != r - 1) --last;
    const int tenths = 870 + last;
    EXPECT_EQ(form->MSF_Chann->CellText(r, 1),
              QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(FmWindowTest, ASixthCharacterEmptiesTheEditor) {
  auto* form = OpenFm();
  TypeInto(form, 2, "100.12");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, U("收音机频率超出范围 ！"));
  EXPECT_EQ(form->Text_Edit->text(), "");
  QTest::keyClicks(form->Text_Edit, "99.9");
  EXPECT_EQ(messages.size(), 1u);
  ClickCell(form, 3, 1);
  EXPECT_EQ(Image(253, 1), 129);
}

TEST_F(FmWindowTest, TheChannelNumberColumnOpensNoEditor) {
  FillFmRow(10);
  auto* form = OpenFm();
  ClickCell(form, 5, 0);
  EXPECT_FALSE(form->Text_Edit->isVisible());
  // An edit left open while the numbers are clicked stays open and is committed later.
  TypeInto(form, 5, "90");
  ClickCell(form, 6, 0);
  EXPECT_TRUE(form->Text_Edit->isVisible());
  EXPECT_EQ(form->Text_Edit->text(), "90");
  ClickCell(form, 7, 1);
  EXPECT_EQ(form->MSF_Chann->CellText(5, 1), "90.0");
  EXPECT_EQ(Image(253, 4), 30);
}

TEST_F(FmWindowTest, AnOpenEditIsCommittedWhenAButtonTakesTheFocus) {
  FillFmRow(255);
  auto* form = OpenFm();
  TypeInto(form, 2, "99");
  QTest::mouseClick(form->Command_Help, Qt::LeftButton);
  EXPECT_FALSE(form->Text_Edit->isVisible());
  EXPECT_EQ(form->MSF_Chann->CellText(2, 1), "99.0");
  EXPECT_EQ(Image(253, 1), 120);

  TypeInto(form, 3, "120");
  QPointer<Form_Edit_Test> closing = form;
  QTest::mouseClick(form->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(closing);
  ASSERT_EQ(messages.size(), 1u);  // out of range: the lower limit is stored
  EXPECT_EQ(Image(253, 2), 0);
  EXPECT_EQ(Image(253, 3), 255);
}

TEST_F(FmWindowTest, AnOpenEditIsCommittedWhenTheWindowCloses) {
  FillFmRow(255);
  auto* form = OpenFm();
  TypeInto(form, 6, "101");
  // A language switch reloads the window: the edit survives into the new one.
  main->Language_eng->trigger();
  ProcessEvents();
  auto* reloaded = qobject_cast<Form_Edit_Test*>(main->FindChildForm("Form_Edit_Test"));
  ASSERT_NE(reloaded, nullptr);
  EXPECT_NE(reloaded, form);
  EXPECT_EQ(reloaded->windowTitle(), "Radio Frequency");
  EXPECT_EQ(Image(253, 5), 140);
  EXPECT_EQ(reloaded->MSF_Chann->CellText(6, 1), "101.0");

  TypeInto(reloaded, 7, "");
  reloaded->SubWindow()->close();
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_Edit_Test"), nullptr);
  EXPECT_EQ(Image(253, 6), 255);
  EXPECT_TRUE(messages.empty());
}

TEST_F(FmWindowTest, SwitchingToAnotherWindowCommitsAndComingBackDecodes) {
  FillFmRow(255);
  QPointer<Form_Edit_Test> form = OpenFm();
  TypeInto(form, 1, "88.8");
  Open<Form_Edit_Message>("Form_Edit_Message");
  EXPECT_EQ(Image(253, 0), 18);
  Image(253, 15) = 200;  // say a file was loaded meanwhile
  main->MdiArea()->setActiveSubWindow(form->SubWindow());
  ProcessEvents();
  EXPECT_EQ(form->MSF_Chann->CellText(1, 1), "88.8");
  EXPECT_EQ(form->MSF_Chann->CellText(16, 1), "107.0");
  EXPECT_FALSE(form->Text_Edit->isVisible());
}

}  // namespace
