#pragma once
// MDImain: the program's only top-level window. Menu bar, toolbar Toolbar1, status
// bar StatusBar1 with eight panels, and the client area every child window opens in.
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <array>
#include <functional>
#include <span>

#include "shell/forms/file_commands.h"
#include "shell/forms/forms.h"
#include "shell/forms/ui.h"
#include "shell/radio_document.h"

class ChildForm;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class MDImain : public QMainWindow {
  Q_OBJECT

 public:
  // forms: every child window the main window can open.
  explicit MDImain(std::span<const FormEntry> forms);
  ~MDImain() override;

  // Start-up: geometry, status bar and captions.
  void MDIForm_Load();

  RadioDocument& Document() { return doc_; }
  AppSettings& Settings() { return settings_; }
  QString Lang(const char* chinese, const char* english) const {
    return ::Lang(settings_, chinese, english);
  }
  // Whether a flagged window is open now.
  bool FormOpenFlag(const QString& formName) const;

  // Opens a child window by name: an open instance is unloaded first and a fresh
  // one loaded (the About box is only shown again). Returns the new window.
  ChildForm* OpenChild(const QString& formName);
  ChildForm* FindChildForm(const QString& formName) const;
  // The open child window of type T, if there is one.
  template <class T>
  T* FindChildAs() const {
    for (const auto& child : children_) {
      if (auto* form = qobject_cast<T*>(child.data())) return form;
    }
    return nullptr;
  }
  void UnloadChild(const QString& formName);
  template <class T>
  T* OpenChildAs(const QString& formName) {
    return qobject_cast<T*>(OpenChild(formName));
  }

  QMdiArea* MdiArea() const { return MDIArea; }
  // Panels are numbered 1..8.
  void SetPanelText(int panel, const QString& text);
  QString PanelText(int panel) const;
  QLabel* Panel(int panel) const;

  // Called by a child window as it unloads.
  void ChildUnloaded(ChildForm* form);

  // Whether exiting now would lose a change (edits still open are committed first).
  bool ImageChanged();
  // Commits the edits still open in every window, as leaving them would.
  void CommitOpenEdits();

  // Menu and toolbar handlers.
  void Edit_undo_Click();
  void Edit_redo_Click();
  void File_New_Click();
  void File_Open_Click();
  void File_save_Click();
  void File_saveas_Click();
  void File_import_csv_Click();
  void File_export_csv_Click();
  void File_export_sheet_Click();
  void File_exit_Click();
  void proc_type_Click();
  void Channel_edit_Click();
  void Optional_edit_Click();
  void key_edit_Click();
  void Scan_edit_Click();
  void Dtmf_edit_Click();
  void Fleetsync_edit_Click() {}
  void Test_edit_Click();
  void Message_edit_Click();
  void Prog_read_Click();
  void Prog_write_Click();
  void Prog_verify_Click();
  void Prog_clone_Click();
  void Prog_test_Click();
  void Info_Click() {}
  void proc_setup_Click();
  void Language_chn_Click();
  void Language_eng_Click();
  void Menu_About_Click();
  void Menu_exit_Click();
  void Toolbar1_ButtonClick(const QString& key);

  // Menu items and menus, named as the program names them.
  QMenu* File;
  QAction* File_New;
  QAction* File_Open;
  QAction* File_save;
  QAction* File_saveas;
  QAction* File_import_csv;
  QAction* File_export_csv;
  QAction* File_export_sheet;
  QAction* File_exit;
  QAction* proc_type;
  QMenu* Edit;
  QAction* Edit_undo;
  QAction* Edit_redo;
  QAction* Channel_edit;
  QAction* Optional_edit;
  QAction* key_edit;
  QAction* Scan_edit;
  QAction* Dtmf_edit;
  QAction* Fleetsync_edit;
  QAction* Test_edit;
  QAction* Message_edit;
  QMenu* Program;
  QAction* Prog_read;
  QAction* Prog_write;
  QAction* Prog_verify;
  QAction* Prog_clone;
  QAction* Prog_test;
  QMenu* Tools;
  QAction* Info;
  QAction* proc_setup;
  QMenu* Language_Setup;
  QAction* Language_chn;
  QAction* Language_eng;
  QAction* Menu_About;
  QAction* Menu_exit;
  QToolBar* Toolbar1;
  QMdiArea* MDIArea;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The close button and the exit commands: asks first when a change would be lost.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildStatusBar();
  void ApplyCaptions(bool startup);
  void SwitchLanguage(bool chinese);
  void OnSubWindowActivated(QMdiSubWindow* window);
  const FormEntry* Entry(const QString& formName) const;
  // The menu command a toolbar button runs.
  QAction* ToolbarCommand(const QString& key) const;
  // Edits still open elsewhere are committed, as the user's, before a window shows the image.
  void Activate(ChildForm* form);
  // Runs a window's drawing: the events it raises are not taken for input.
  void Draw(const std::function<void()>& draw);
  // Every open window shows the image anew, as on activation.
  void ShowImageAgain();
  // Status panel 7: the band edges the image holds.
  void ShowBand();
  // After a read or an opened file, the grid shows what arrived unless an editor is open.
  void OnDocumentChanged(const DocumentChange& change);
  // Where a user's input begins: the image as the last input left it is checkpointed.
  void UserInput(QEvent* event);

  std::span<const FormEntry> forms_;
  std::array<QLabel*, 8> panels_{};
  QMap<QString, QPointer<ChildForm>> children_;
  QPointer<QMdiSubWindow> lastActivated_;
  AppSettings settings_;
  RadioDocument doc_;
  // The text box the input under way types into, if any.
  RadioDocument::Source typing_ = 0;
  std::array<int, 2> shownEdges_{};  // what status panel 7 shows
  FileCommands files_;
};
