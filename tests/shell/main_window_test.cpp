#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "shell/forms/about.h"
#include "shell/forms/child_form.h"
#include "shell/forms/form_type.h"
#include "support/gui_test.h"
#include "window_registry.h"

namespace {

using MainWindowTest = GuiTest;

QString U(const char* s) {
  return QString::fromUtf8(s);
}

TEST_F(MainWindowTest, StartUpTexts) {
  EXPECT_EQ(main->windowTitle(), U("林岛沃岚电子有限公司  RT410 系列对讲机编程软件 "));
  const QString panels[8] = {U("状态"), "",         "COM1",           U("软件版本"),
                             "Ver1.2",  U("频 段"), " 400-- 470 MHZ", U("林岛沃岚电子有限公司")};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(main->PanelText(i + 1), panels[i]) << i + 1;
  EXPECT_EQ(main->proc_type->text(), U("机 型"));
  EXPECT_TRUE(main->Language_chn->isChecked());
  EXPECT_FALSE(main->Language_eng->isChecked());
  EXPECT_EQ(Image(59, 1), 0x40);
  EXPECT_EQ(Image(60, 3), 0x84);
  EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(470));
}

TEST_F(MainWindowTest, MenuBarOrderShortcutsAndHiddenItems) {
  QStringList bar;
  for (QAction* a : main->menuBar()->actions()) {
    bar << (a->menu() ? a->menu()->objectName() : a->objectName());
  }
  EXPECT_EQ(bar, QStringList({"File", "proc_type", "Edit", "Program", "Tools", "proc_setup",
                              "Language_Setup", "Menu_About", "Menu_exit"}));
  EXPECT_EQ(main->File_New->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(main->File_Open->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(main->File_save->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(main->Prog_read->shortcut(), QKeySequence("Ctrl+R"));
  EXPECT_EQ(main->Prog_write->shortcut(), QKeySequence("Ctrl+W"));
  EXPECT_EQ(main->Prog_test->shortcut(), QKeySequence("Ctrl+T"));
  for (QAction* hidden : {main->Scan_edit, main->Fleetsync_edit, main->Test_edit,
                          main->Message_edit, main->Info, main->Tools->menuAction()}) {
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_FALSE(hidden->isEnabled()) << hidden->objectName().toStdString();
  }
  for (QAction* shown : {main->Channel_edit, main->Optional_edit, main->key_edit, main->Dtmf_edit,
                         main->Prog_read, main->File_exit}) {
    EXPECT_TRUE(shown->isVisible() && shown->isEnabled()) << shown->objectName().toStdString();
  }
  // A hidden, disabled item does nothing even when triggered.
  main->Scan_edit->trigger();
  EXPECT_EQ(main->MdiArea()->subWindowList().size(), 0);
}

TEST_F(MainWindowTest, FileNewDoesNothing) {
  const QString title = main->windowTitle();
  QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
  ProcessEvents();
  EXPECT_EQ(main->MdiArea()->subWindowList().size(), 0);
  EXPECT_EQ(main->windowTitle(), title);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, ToolbarHasSixKeyedButtons) {
  QStringList keys;
  for (QAction* a : main->Toolbar1->actions()) keys << a->objectName();
  EXPECT_EQ(keys, QStringList({"open", "save", "edit_chann", "read", "write", "Exit"}));
  for (QAction* a : main->Toolbar1->actions()) EXPECT_FALSE(a->icon().isNull());
  main->Toolbar1_ButtonClick("exit");  // keys are case-sensitive: nothing happens
  EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, StatusPanelsStayProportional) {
  const int percent[8] = {5, 15, 6, 8, 10, 5, 16, 35};
  for (int width : {1000, 1600}) {
    main->resize(width, 700);
    ProcessEvents();
    const double total = [&] {
      double sum = 0;
      for (int i = 1; i <= 8; ++i) sum += main->Panel(i)->width();
      return sum;
    }();
    for (int i = 0; i < 8; ++i) {
      EXPECT_NEAR(main->Panel(i + 1)->width() / total, percent[i] / 100.0, 0.01) << i + 1;
    }
  }
}

TEST_F(MainWindowTest, ReopeningAChildReplacesIt) {
  auto* first = Open<Form_type>("Form_type");
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(main->FormOpenFlag("Form_type"));
  QPointer<Form_type> old = first;
  main->proc_type->trigger();
  ProcessEvents();
  auto* second = qobject_cast<Form_type*>(main->FindChildForm("Form_type"));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(old.isNull());  // the old instance is gone
  EXPECT_EQ(main->MdiArea()->subWindowList().size(), 1);
  EXPECT_TRUE(main->FormOpenFlag("Form_type"));
  second->Command_cancel->click();
  ProcessEvents();
  EXPECT_FALSE(main->FormOpenFlag("Form_type"));
  EXPECT_EQ(main->MdiArea()->subWindowList().size(), 0);
}

// Counts activations of a child window.
class CountingForm : public ChildForm {
 public:
  explicit CountingForm(MDImain* m, const QString& name) : ChildForm(m) { SetFormName(name); }
  void Form_Activate() override { ++activations; }
  int activations = 0;
};

TEST_F(MainWindowTest, ActivationRunsOnlyWhenTheUserSwitchesChildren) {
  auto* a = new CountingForm(main.get(), "A");
  auto* b = new CountingForm(main.get(), "B");
  QMdiSubWindow* subA = main->MdiArea()->addSubWindow(a);
  QMdiSubWindow* subB = main->MdiArea()->addSubWindow(b);
  subA->show();
  subB->show();
  main->MdiArea()->setActiveSubWindow(subA);
  main->MdiArea()->setActiveSubWindow(subB);
  const int aBefore = a->activations;
  const int bBefore = b->activations;
  // The area reports null when the application loses the focus, then the same window.
  emit main->MdiArea()->subWindowActivated(nullptr);
  emit main->MdiArea()->subWindowActivated(subB);
  EXPECT_EQ(b->activations, bBefore);
  main->MdiArea()->setActiveSubWindow(subA);
  EXPECT_EQ(a->activations, aBefore + 1);
  main->MdiArea()->setActiveSubWindow(subB);
  EXPECT_EQ(b->activations, bBefore + 1);
}

TEST_F(MainWindowTest, LanguageRoundTrip) {
  main->Language_eng->trigger();
  EXPECT_FALSE(Settings().LangChinese);
  EXPECT_EQ(main->windowTitle(),
            "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software ");
  EXPECT_EQ(main->Channel_edit->text(), "Channel Information ");
  EXPECT_EQ(main->PanelText(4), "  Version");
  EXPECT_EQ(main->PanelText(6), "Band");
  EXPECT_EQ(main->PanelText(8), "Lindao VORLAN Electronic Co.,Ltd. ");
  EXPECT_EQ(main->PanelText(5), "Ver1.2");
  EXPECT_EQ(main->PanelText(7), " 400-- 470 MHZ");
  EXPECT_EQ(main->proc_type->text(), "Model");
  EXPECT_TRUE(main->Language_eng->isChecked());
  EXPECT_FALSE(main->Language_chn->isChecked());
  main->Language_chn->trigger();
  EXPECT_TRUE(Settings().LangChinese);
  EXPECT_EQ(main->proc_type->text(), U("机型"));
  EXPECT_EQ(main->PanelText(6), U("频段"));
  EXPECT_EQ(main->Language_chn->text(), U("中文"));
  EXPECT_EQ(main->Language_eng->text(), "English");
}

TEST_F(MainWindowTest, LanguageSwitchReloadsFlaggedWindowsOnly) {
  auto* type = Open<Form_type>("Form_type");
  QPointer<Form_type> oldType = type;
  // A window without an open flag keeps its language.
  auto* unflagged = new CountingForm(main.get(), "Form_Edit_scan");
  unflagged->setWindowTitle("kept");
  main->MdiArea()->addSubWindow(unflagged)->show();
  main->Language_eng->trigger();
  ProcessEvents();
  EXPECT_TRUE(oldType.isNull());
  auto* reloaded = qobject_cast<Form_type*>(main->FindChildForm("Form_type"));
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->windowTitle(), "Model Select");
  EXPECT_EQ(reloaded->Command_enter->text(), "Confirm");
  EXPECT_EQ(unflagged->windowTitle(), "kept");
}

TEST(WindowTableTest, FlaggedWindowsStandInTheLanguageSwitchOrder) {
  QStringList flagged, unflagged;
  for (const FormEntry& entry : ProgramForms())
    (entry.openFlag ? flagged : unflagged) << entry.name;
  EXPECT_EQ(flagged, QStringList({"frmAbout", "frm_option", "frm_chann", "Form_setup", "Form_type",
                                  "Form_save_chann", "Form_open_chann", "Form_Comm_Read",
                                  "Form_Comm_Write", "Form_Comm_Verify", "Form_Edit_Test",
                                  "Form_edit_Key", "frm_dtmf", "Form_Adjust_Txp", "frmHelp"}));
  unflagged.sort();
  EXPECT_EQ(unflagged, QStringList({"Form_Chann_Edit", "Form_Clone", "Form_Edit_Message",
                                    "Form_Edit_scan", "Form_import_csv"}));
}

TEST_F(MainWindowTest, ExitClosesTheMainWindow) {
  main->Menu_exit->trigger();
  EXPECT_FALSE(main->isVisible());
}

}  // namespace
