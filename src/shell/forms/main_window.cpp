#include "shell/forms/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <utility>

#include "shell/forms/child_form.h"
#include "shell/forms/controls.h"
#include "shell/forms/menu_table.h"
#include "shell/forms/ui.h"
#include "shell/model_band.h"

namespace {

// Hidden items exist but can be neither seen nor reached; nothing changes that.
void Hide(QAction* action) {
  action->setVisible(false);
  action->setEnabled(false);
}

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

// A key that types into a text box (a character, or deleting one).
bool IsTyping(const QKeyEvent* key) {
  if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) return true;
  const QString text = key->text();
  return !text.isEmpty() && text.front().isPrint();
}

// The text box with the focus, inside an editable drop-down too.
QLineEdit* FocusedTextBox() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* box = qobject_cast<QLineEdit*>(focus)) return box;
  if (auto* combo = qobject_cast<QComboBox*>(focus)) return combo->lineEdit();
  return nullptr;
}
}  // namespace

MDImain::MDImain(std::span<const FormEntry> forms) : forms_(forms), files_(*this) {
  setObjectName("MDImain");
  setWindowIcon(QIcon(":/artwork/app_icon.png"));
  MDIArea = Named<QMdiArea>(this, "MDIArea");
  MDIArea->viewport()->installEventFilter(this);
  MDIArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MDIArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(MDIArea);
  connect(MDIArea, &QMdiArea::subWindowActivated, this, &MDImain::OnSubWindowActivated);
  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  doc_.AddObserver([this](const DocumentChange& change) { OnDocumentChanged(change); });
  // Every user input passes here first: the one place that cuts changes into undo steps.
  qApp->installEventFilter(this);
}

MDImain::~MDImain() {
  qApp->removeEventFilter(this);
  disconnect(MDIArea, nullptr, this, nullptr);
  // Children unload with the main window, each running its Form_Unload.
  const auto open = children_.values();  // unloading removes them from the map
  for (const auto& child : open) {
    if (child) child->Unload();
  }
}

bool MDImain::eventFilter(QObject* watched, QEvent* event) {
  if (IsUserInput(event->type()) && !QApplication::activeModalWidget()) {
    UserInput(event);
    // Ctrl+Z and Ctrl+Y undo the typing in a text box first, then the image.
    if (event->type() == QEvent::ShortcutOverride) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const QKeySequence pressed(key->keyCombination());
      if (QLineEdit* box = FocusedTextBox()) {
        const bool imageUndo = pressed == Edit_undo->shortcut() && !box->isUndoAvailable();
        const bool imageRedo = pressed == Edit_redo->shortcut() && !box->isRedoAvailable();
        if (imageUndo || imageRedo) {
          event->ignore();
          return true;
        }
      }
    }
  }
  // The background picture fills the client area at every size, without tiling.
  if (watched == MDIArea->viewport() && event->type() == QEvent::Resize) {
    static const QPixmap picture(":/artwork/background.png");
    const QSize size = MDIArea->viewport()->size();
    if (!picture.isNull() && !size.isEmpty()) {
      const QPixmap scaled =
          picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
      MDIArea->setBackground(
          QBrush(scaled.copy((scaled.width() - size.width()) / 2,
                             (scaled.height() - size.height()) / 2, size.width(), size.height())));
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MDImain::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MenuBar");
  bar->setNativeMenuBar(false);
  QMenu* menu = nullptr;
  for (const MenuRow& row : MenuRows()) {
    if (!row.action) {
      menu = bar->addMenu(QString());
      menu->setObjectName(QString::fromLatin1(row.name));
      this->*row.menu = menu;
      if (row.flags & MenuRow::kHidden) Hide(menu->menuAction());
      continue;
    }
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(row.name));
    if (row.shortcut != kNoKey) {
      action->setShortcut(QKeySequence(row.shortcut));
      addAction(action);
    }
    // Shortcuts work wherever the focus is inside the main window, child windows included.
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setCheckable(row.flags & MenuRow::kCheckable);
    if (row.flags & MenuRow::kTopLevel) {
      bar->addAction(action);
    } else {
      if (row.flags & MenuRow::kSeparatorBefore) menu->addSeparator();
      menu->addAction(action);
    }
    if (row.flags & MenuRow::kHidden) Hide(action);
    connect(action, &QAction::triggered, this, row.handler);
    this->*row.action = action;
  }
  addAction(File_saveas);
  addAction(File_exit);
}

void MDImain::BuildToolbar() {
  Toolbar1 = addToolBar(QString());
  Toolbar1->setObjectName("Toolbar1");
  Toolbar1->setMovable(false);
  Toolbar1->setIconSize(QSize(32, 32));
  for (const char* key : ToolbarKeys()) {
    const QString name = QString::fromLatin1(key);
    QAction* action = Toolbar1->addAction(
        QIcon(QStringLiteral(":/artwork/%1.png").arg(name.toLower())), QString());
    action->setObjectName(name);
    action->setData(name);
    connect(action, &QAction::triggered, this, [this, name] { Toolbar1_ButtonClick(name); });
  }
}

QAction* MDImain::ToolbarCommand(const QString& key) const {
  if (key == QLatin1String("Exit")) return File_exit;
  for (const MenuRow& row : MenuRows()) {
    if (row.toolbarKey && key == QLatin1String(row.toolbarKey)) return this->*row.action;
  }
  return nullptr;
}

void MDImain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  // Panel widths are these percentages of the window's width, kept as it resizes.
  const int percent[8] = {5, 15, 6, 8, 10, 5, 16, 35};
  for (int i = 0; i < 8; ++i) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(1);
    bar->addWidget(label, percent[i]);
    panels_[static_cast<std::size_t>(i)] = label;
  }
}

QLabel* MDImain::Panel(int panel) const {
  return panels_.at(static_cast<std::size_t>(panel - 1));
}
void MDImain::SetPanelText(int panel, const QString& text) {
  Panel(panel)->setText(text);
}
QString MDImain::PanelText(int panel) const {
  return Panel(panel)->text();
}

void MDImain::MDIForm_Load() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize s = screen->size();
    resize(static_cast<int>(s.width() / 1.5), static_cast<int>(s.height() / 1.5));
  }
  show();
  SetPanelText(1, QString());
  ApplyCaptions(true);
  SetPanelText(3, QString::fromStdString(settings_.PortPanelText()));
  SetPanelText(5, QString::fromStdString(settings_.VersionText));
  ShowBand();
}

void MDImain::ShowBand() {
  shownEdges_ = doc_.Edges();
  SetPanelText(7, QString::fromStdString(BandPanelText(shownEdges_[0], shownEdges_[1])));
}

void MDImain::ApplyCaptions(bool startup) {
  Language_chn->setChecked(settings_.LangChinese);
  Language_eng->setChecked(!settings_.LangChinese);

  for (const MenuRow& row : MenuRows()) {
    const QString caption = Lang(row.chinese, row.english);
    if (row.action) {
      (this->*row.action)->setText(caption);
    } else {
      (this->*row.menu)->setTitle(caption);
    }
  }
  if (startup) proc_type->setText(Lang("机 型", "Model"));
  // A toolbar button says what it runs: its menu command's caption and shortcut.
  for (QAction* button : Toolbar1->actions()) {
    const QAction* command = ToolbarCommand(button->objectName());
    if (!command) continue;
    QString tip = command->text().trimmed();
    if (!command->shortcut().isEmpty())
      tip += QStringLiteral(" (%1)").arg(command->shortcut().toString(QKeySequence::NativeText));
    button->setToolTip(tip);
    if (QWidget* widget = Toolbar1->widgetForAction(button)) widget->setAccessibleName(tip);
  }

  const QString company = Lang("林岛沃岚电子有限公司", "Lindao VORLAN Electronic Co.,Ltd. ");
  const QString caption = Lang("林岛沃岚电子有限公司  RT410 系列对讲机编程软件 ",
                               "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software ");
  auto otherPanels = [&] {
    SetPanelText(1, Lang("状态", "State"));
    SetPanelText(2, QString());
    SetPanelText(3, QString::fromStdString(settings_.PortPanelText()));
    SetPanelText(4, Lang("软件版本", "  Version"));
    SetPanelText(6, startup ? Lang("频 段", "Band") : Lang("频段", "Band"));
  };
  if (settings_.LangChinese) {
    otherPanels();
    SetPanelText(8, company);
    setWindowTitle(caption);
  } else {
    SetPanelText(8, company);
    setWindowTitle(caption);
    otherPanels();
  }
}

void MDImain::SwitchLanguage(bool chinese) {
  settings_.LangChinese = chinese;
  ApplyCaptions(false);
  for (const FormEntry& entry : forms_) {
    const QString name = QString::fromLatin1(entry.name);
    if (entry.openFlag && FormOpenFlag(name)) OpenChild(name);
  }
  // The windows that are not reloaded keep what they hold and caption themselves anew.
  ShowImageAgain();
}

void MDImain::Language_chn_Click() {
  SwitchLanguage(true);
}
void MDImain::Language_eng_Click() {
  SwitchLanguage(false);
}

const FormEntry* MDImain::Entry(const QString& formName) const {
  for (const FormEntry& entry : forms_) {
    if (formName == QLatin1String(entry.name)) return &entry;
  }
  return nullptr;
}

bool MDImain::FormOpenFlag(const QString& formName) const {
  const FormEntry* entry = Entry(formName);
  return entry && entry->openFlag && FindChildForm(formName);
}

ChildForm* MDImain::FindChildForm(const QString& formName) const {
  const auto it = children_.find(formName);
  return it == children_.end() ? nullptr : it.value().data();
}

void MDImain::UnloadChild(const QString& formName) {
  if (ChildForm* form = FindChildForm(formName)) form->Unload();
}

ChildForm* MDImain::OpenChild(const QString& formName) {
  // A language switch reloads the About box like every flagged window; the menu
  // command only brings an open one to the front.
  UnloadChild(formName);
  const FormEntry* entry = Entry(formName);
  if (!entry) return nullptr;
  ChildForm* form = entry->create(this);
  form->SetFormName(formName);
  children_.insert(formName, form);
  QMdiSubWindow* sub = MDIArea->addSubWindow(form);
  sub->setObjectName(formName + QStringLiteral("_window"));
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  // The child's own Close carries the platform's Ctrl+W, which would make the write
  // command's Ctrl+W ambiguous while any child is active; Ctrl+F4 still closes it.
  if (QMenu* menu = sub->systemMenu()) {
    for (QAction* action : menu->actions()) {
      QList<QKeySequence> keys = action->shortcuts();
      if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) action->setShortcuts(keys);
    }
  }
  if (auto* help = form->findChild<QPushButton*>(QStringLiteral("Command_Help"))) {
    connect(help, &QPushButton::clicked, form, &ChildForm::Command_Help_Click);
  }
  Activate(form);
  Draw([&] {
    form->Form_Load();
    if (form->Unloaded()) return;
    sub->show();
    lastActivated_ = sub;
    MDIArea->setActiveSubWindow(sub);
    form->Form_Activate();
  });
  return form;
}

void MDImain::ChildUnloaded(ChildForm* form) {
  const auto it = children_.find(form->FormName());
  if (it != children_.end() && it.value() == form) {
    children_.erase(it);
  }
  // The old instance lingers until deleted; it must not be found by name meanwhile.
  form->setObjectName(QString());
  if (lastActivated_ && lastActivated_->widget() == form) lastActivated_ = nullptr;
  // What waited for the save (exit, New) follows once the save window is gone.
  if (form->FormName() == QLatin1String("Form_save_chann")) files_.SaveWindowClosed();
}

void MDImain::OnSubWindowActivated(QMdiSubWindow* window) {
  // Null when the application loses the focus (a message box, another program);
  // the same window again when it comes back: neither is the user switching.
  if (!window || window == lastActivated_) return;
  lastActivated_ = window;
  if (auto* form = qobject_cast<ChildForm*>(window->widget())) {
    if (!form->Unloaded()) {
      Activate(form);
      Draw([form] { form->Form_Activate(); });
    }
  }
}

void MDImain::Activate(ChildForm* form) {
  for (const auto& other : children_.values()) {
    if (other && other != form && !other->Unloaded()) other->CommitOpenEdit();
  }
  if (!doc_.IsDrawing()) doc_.Checkpoint(typing_);
}

void MDImain::Draw(const std::function<void()>& draw) {
  // Windows draw without running their handlers; the events drawing raises are no
  // input of the user's.
  const RadioDocument::Drawing drawing(doc_);
  draw();
}

void MDImain::UserInput(QEvent* event) {
  if (doc_.IsDrawing()) return;  // the events of drawing are no input
  doc_.Checkpoint(typing_);
  // A range edited in the options window moves the limits, and the panel with them.
  if (doc_.Edges() != shownEdges_) ShowBand();
  typing_ = 0;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
      event->type() == QEvent::ShortcutOverride) {
    if (IsTyping(static_cast<QKeyEvent*>(event)) && FocusedTextBox()) {
      typing_ = reinterpret_cast<RadioDocument::Source>(FocusedTextBox());
    }
  }
}

void MDImain::ShowImageAgain() {
  const QPointer<QWidget> focus = QApplication::focusWidget();
  Draw([this] {
    for (const auto& child : children_.values()) {
      if (child && !child->Unloaded()) child->Form_Activate();
    }
  });
  if (focus && focus->isVisible()) focus->setFocus();
}

void MDImain::OnDocumentChanged(const DocumentChange& change) {
  ShowBand();
  ShowImageAgain();
  const ImageSource source = change.source;
  if (source != ImageSource::Read && source != ImageSource::Open && source != ImageSource::Start)
    return;
  static constexpr const char* kEditors[] = {"frm_chann",      "Form_Chann_Edit",  "frm_option",
                                             "Form_edit_Key",  "frm_dtmf",         "Form_Edit_scan",
                                             "Form_Edit_Test", "Form_Edit_Message"};
  for (const char* editor : kEditors) {
    if (FindChildForm(QString::fromLatin1(editor))) return;
  }
  // Queued: the read or open window that brought the image is still on the stack.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!FindChildForm("frm_chann")) OpenChild("frm_chann");
      },
      Qt::QueuedConnection);
}

void MDImain::CommitOpenEdits() {
  for (const auto& child : children_.values()) {
    if (child && !child->Unloaded()) child->CommitOpenEdit();
  }
}

void MDImain::Edit_undo_Click() {
  // An edit still open is the latest change: it is committed, then undone first.
  CommitOpenEdits();
  doc_.Checkpoint(typing_);
  typing_ = 0;
  doc_.Undo();
}

void MDImain::Edit_redo_Click() {
  CommitOpenEdits();
  doc_.Checkpoint(typing_);
  typing_ = 0;
  doc_.Redo();
}

bool MDImain::ImageChanged() {
  CommitOpenEdits();
  return doc_.Unsaved();
}

void MDImain::closeEvent(QCloseEvent* event) {
  if (!ImageChanged()) {
    event->accept();
    return;
  }
  const int answer =
      files_.AskToSave("信道数据已修改，尚未保存到文件或写入对讲机。退出前保存吗？",
                       "The channel data has changed and has not been saved to a file or "
                       "written to a radio. Save before exiting?",
                       "不保存", "Discard");
  event->ignore();
  if (answer == 1) {
    event->accept();
  } else if (answer == 0) {
    files_.SaveThen([this] { close(); });
  }
}

void MDImain::File_New_Click() {
  files_.New();
}
void MDImain::File_Open_Click() {
  files_.Open();
}
void MDImain::File_save_Click() {
  files_.Save();
}
void MDImain::File_saveas_Click() {
  files_.Save();
}
void MDImain::File_import_csv_Click() {
  files_.ImportCsv();
}
void MDImain::File_export_csv_Click() {
  files_.ExportCsv();
}
void MDImain::File_export_sheet_Click() {
  files_.ExportSheet();
}
void MDImain::File_exit_Click() {
  close();
}
void MDImain::proc_type_Click() {
  OpenChild("Form_type");
}
void MDImain::Channel_edit_Click() {
  OpenChild("frm_chann");
}
void MDImain::Optional_edit_Click() {
  OpenChild("frm_option");
}
void MDImain::key_edit_Click() {
  OpenChild("Form_edit_Key");
}
void MDImain::Scan_edit_Click() {
  OpenChild("Form_Edit_scan");
}
void MDImain::Dtmf_edit_Click() {
  OpenChild("frm_dtmf");
}
void MDImain::Test_edit_Click() {
  OpenChild("Form_Edit_Test");
}
void MDImain::Message_edit_Click() {
  OpenChild("Form_Edit_Message");
}
void MDImain::Prog_read_Click() {
  OpenChild("Form_Comm_Read");
}
void MDImain::Prog_write_Click() {
  OpenChild("Form_Comm_Write");
}
void MDImain::Prog_verify_Click() {
  OpenChild("Form_Comm_Verify");
}
// A round may be running: the open window comes to the front, never reloaded.
void MDImain::Prog_clone_Click() {
  if (ChildForm* open = FindChildForm("Form_Clone")) {
    if (QMdiSubWindow* sub = open->SubWindow()) MDIArea->setActiveSubWindow(sub);
    return;
  }
  OpenChild("Form_Clone");
}
void MDImain::Prog_test_Click() {
  OpenChild("Form_Adjust_Txp");
}
void MDImain::proc_setup_Click() {
  OpenChild("Form_setup");
}
void MDImain::Menu_exit_Click() {
  close();
}

void MDImain::Menu_About_Click() {
  if (ChildForm* about = FindChildForm("frmAbout")) {
    if (QMdiSubWindow* sub = about->SubWindow()) {
      sub->show();
      MDIArea->setActiveSubWindow(sub);
    }
    return;
  }
  OpenChild("frmAbout");
}

void MDImain::Toolbar1_ButtonClick(const QString& key) {
  if (QAction* command = ToolbarCommand(key)) command->trigger();
}
