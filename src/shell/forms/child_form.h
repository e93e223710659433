#pragma once
// A child window of the main window. Its life, as every window of the program has it:
//   Form_Load     when it is opened (the main window unloads an older instance first);
//   Form_Activate after loading, and whenever the user switches to it from another
//                 child (not when the application merely gets the focus back);
//   Form_Unload   when it is closed, by its own buttons, the title bar or the program.
// The main window gives it its name from the window table, and keeps its open flag.
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>

#include "shell/forms/ui.h"
#include "shell/radio_document.h"

class MDImain;
class QMdiSubWindow;

class ChildForm : public QWidget {
  Q_OBJECT

 public:
  explicit ChildForm(MDImain* main);

  QString FormName() const { return formName_; }
  // The name of the window table; also the objectName.
  void SetFormName(const QString& formName);
  MDImain* Main() const { return main_; }
  // The document every window shows and the run's settings, both the main window's.
  RadioDocument& Doc() const { return doc_; }
  AppSettings& Settings() const { return settings_; }
  bool Chinese() const { return settings_.LangChinese; }
  QString Lang(const char* chinese, const char* english) const {
    return ::Lang(settings_, chinese, english);
  }
  QMdiSubWindow* SubWindow() const;

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload() {}
  // Commits an edit still open in one of the window's editors, as leaving it would.
  virtual void CommitOpenEdit() {}

  // Opens the Help window at this window's section of the guide. The main window
  // connects a window's Command_Help button to it.
  void Command_Help_Click();

  // Closes the window: Form_Unload runs now, the window is deleted later.
  void Unload();
  bool Unloaded() const { return unloaded_; }

  // Shows a message (ShowMessage) and says whether this window is still open after
  // it: a language switch or a menu command can close it while the box is up, and a
  // handler that goes on must stop then.
  bool Warn(const QString& text, const QString& title = QString());
  // A message of this window (the link's and the file windows' too): counted, so that
  // the window is not deleted under it. Returns whether the window is still open.
  bool Show(const std::function<void()>& box);
  // The boxes of this window up now.
  int MessagesUp() const { return messageDepth_; }

 protected:
  void SetCaption(const QString& caption);
  // Client area of the main window (the MDI area) and the main window's frame.
  QSize ClientSize() const;
  QSize MainFrameSize() const;
  // Outer geometry of the window inside the client area, in pixels. The title bar
  // is kept inside the client area so the window stays reachable.
  void PlaceWindow(int left, int top, int width, int height);
  // Centred horizontally; top = (client height - height) / 2 + topOffset.
  void PlaceCentred(int width, int height, int topOffset);
  // The size a window has as designed (its layout's hint, frame included).
  QSize DesignedSize() const;
  // Width and height the main window's frame divided by these, never below the
  // designed size; centred horizontally in the frame, top pixels down.
  void PlaceInMainFrame(double widthDivisor, double heightDivisor, int top);

  void closeEvent(QCloseEvent* event) override;
  // A cell of the document's image, for a handler that stores the user's input.
  std::uint8_t& Image(Cell cell) { return doc_.EditImage().at(cell); }
  std::uint8_t& Image(int row, int col) { return doc_.EditImage().at(row, col); }

 private:
  MDImain* main_;
  RadioDocument& doc_;
  AppSettings& settings_;
  int messageDepth_ = 0;  // Warn boxes up
  QString formName_;
  bool unloaded_ = false;
};
