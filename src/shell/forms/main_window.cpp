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

#include "shell/forms/child_form.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"
#include "shell/model_band.h"
#include "shell/state.h"

namespace {

QAction* MakeAction(QObject* parent, const char* name, const QKeySequence& shortcut = {}) {
  auto* action = new QAction(parent);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

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

MDImain::MDImain(std::span<const FormEntry> forms) : forms_(forms) {
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

  File = bar->addMenu(QString());
  File->setObjectName("File");
  File_New = MakeAction(this, "File_New", QKeySequence(Qt::CTRL | Qt::Key_N));
  File_Open = MakeAction(this, "File_Open", QKeySequence(Qt::CTRL | Qt::Key_O));
  File_save = MakeAction(this, "File_save", QKeySequence(Qt::CTRL | Qt::Key_S));
  File_saveas = MakeAction(this, "File_saveas");
  File_import_csv = MakeAction(this, "File_import_csv");
  File_export_csv = MakeAction(this, "File_export_csv");
  File_export_sheet = MakeAction(this, "File_export_sheet");
  File_exit = MakeAction(this, "File_exit");
  File->addActions({File_New, File_Open, File_save, File_saveas, File_import_csv, File_export_csv,
                    File_export_sheet, File_exit});

  proc_type = MakeAction(this, "proc_type");
  bar->addAction(proc_type);

  Edit = bar->addMenu(QString());
  Edit->setObjectName("Edit");
  Edit_undo = MakeAction(this, "Edit_undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  Edit_redo = MakeAction(this, "Edit_redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
  Edit->addActions({Edit_undo, Edit_redo});
  Edit->addSeparator();
  Channel_edit = MakeAction(this, "Channel_edit");
  Optional_edit = MakeAction(this, "Optional_edit");
  key_edit = MakeAction(this, "key_edit");
  Scan_edit = MakeAction(this, "Scan_edit");
  Dtmf_edit = MakeAction(this, "Dtmf_edit");
  Fleetsync_edit = MakeAction(this, "Fleetsync_edit");
  Test_edit = MakeAction(this, "Test_edit");
  Message_edit = MakeAction(this, "Message_edit");
  Edit->addActions({Channel_edit, Optional_edit, key_edit, Scan_edit, Dtmf_edit, Fleetsync_edit,
                    Test_edit, Message_edit});
  for (QAction* hidden : {Scan_edit, Fleetsync_edit, Test_edit, Message_edit}) Hide(hidden);

  Program = bar->addMenu(QString());
  Program->setObjectName("Program");
  Prog_read = MakeAction(this, "Prog_read", QKeySequence(Qt::CTRL | Qt::Key_R));
  Prog_write = MakeAction(this, "Prog_write", QKeySequence(Qt::CTRL | Qt::Key_W));
  Prog_verify = MakeAction(this, "Prog_verify");
  Prog_clone = MakeAction(this, "Prog_clone");
  Prog_test = MakeAction(this, "Prog_test", QKeySequence(Qt::CTRL | Qt::Key_T));
  Program->addActions({Prog_read, Prog_write, Prog_verify, Prog_clone, Prog_test});

  Tools = bar->addMenu(QString());
  Tools->setObjectName("Tools");
  Info = MakeAction(this, "Info");
  Tools->addAction(Info);
  Hide(Info);
  Hide(Tools->menuAction());

  proc_setup = MakeAction(this, "proc_setup");
  bar->addAction(proc_setup);

  Language_Setup = bar->addMenu(QString());
  Language_Setup->setObjectName("Language_Setup");
  Language_chn = MakeAction(this, "Language_chn");
  Language_eng = MakeAction(this, "Language_eng");
  Language_chn->setText(QString::fromUtf8("中文"));
  Language_eng->setText("English");
  Language_chn->setCheckable(true);
  Language_eng->setCheckable(true);
  Language_Setup->addActions({Language_chn, Language_eng});

  Menu_About = MakeAction(this, "Menu_About");
  Menu_exit = MakeAction(this, "Menu_exit");
  bar->addAction(Menu_About);
  bar->addAction(Menu_exit);

  // Shortcuts work wherever the focus is inside the main window, child windows included.
  for (QAction* a : findChildren<QAction*>()) a->setShortcutContext(Qt::ApplicationShortcut);
  for (QAction* a : {File_New, File_Open, File_save, File_saveas, File_exit, Edit_undo, Edit_redo,
                     Prog_read, Prog_write, Prog_test})
    addAction(a);

  connect(File_New, &QAction::triggered, this, &MDImain::File_New_Click);
  connect(File_Open, &QAction::triggered, this, &MDImain::File_Open_Click);
  connect(File_save, &QAction::triggered, this, &MDImain::File_save_Click);
  connect(File_saveas, &QAction::triggered, this, &MDImain::File_saveas_Click);
  connect(File_import_csv, &QAction::triggered, this, &MDImain::File_import_csv_Click);
  connect(File_export_csv, &QAction::triggered, this, &MDImain::File_export_csv_Click);
  connect(File_export_sheet, &QAction::triggered, this, &MDImain::File_export_sheet_Click);
  connect(File_exit, &QAction::triggered, this, &MDImain::File_exit_Click);
  connect(Edit_undo, &QAction::triggered, this, &MDImain::Edit_undo_Click);
  connect(Edit_redo, &QAction::triggered, this, &MDImain::Edit_redo_Click);
  connect(proc_type, &QAction::triggered, this, &MDImain::proc_type_Click);
  connect(Channel_edit, &QAction::triggered, this, &MDImain::Channel_edit_Click);
  connect(Optional_edit, &QAction::triggered, this, &MDImain::Optional_edit_Click);
  connect(key_edit, &QAction::triggered, this, &MDImain::key_edit_Click);
  connect(Scan_edit, &QAction::triggered, this, &MDImain::Scan_edit_Click);
  connect(Dtmf_edit, &QAction::triggered, this, &MDImain::Dtmf_edit_Click);
  connect(Fleetsync_edit, &QAction::triggered, this, &MDImain::Fleetsync_edit_Click);
  connect(Test_edit, &QAction::triggered, this, &MDImain::Test_edit_Click);
  connect(Message_edit, &QAction::triggered, this, &MDImain::Message_edit_Click);
  connect(Prog_read, &QAction::triggered, this, &MDImain::Prog_read_Click);
  connect(Prog_write, &QAction::triggered, this, &MDImain::Prog_write_Click);
  connect(Prog_verify, &QAction::triggered, this, &MDImain::Prog_verify_Click);
  connect(Prog_clone, &QAction::triggered, this, &MDImain::Prog_clone_Click);
  connect(Prog_test, &QAction::triggered, this, &MDImain::Prog_test_Click);
  connect(Info, &QAction::triggered, this, &MDImain::Info_Click);
  connect(proc_setup, &QAction::triggered, this, &MDImain::proc_setup_Click);
  connect(Language_chn, &QAction::triggered, this, &MDImain::Language_chn_Click);
  connect(Language_eng, &QAction::triggered, this, &MDImain::Language_eng_Click);
  connect(Menu_About, &QAction::triggered, this, &MDImain::Menu_About_Click);
  connect(Menu_exit, &QAction::triggered, this, &MDImain::Menu_exit_Click);
}

void MDImain::BuildToolbar() {
  Toolbar1 = addToolBar(QString());
  Toolbar1->setObjectName("Toolbar1");
  Toolbar1->setMovable(false);
  Toolbar1->setIconSize(QSize(32, 32));
  struct Button {
    const char* key;
    const char* image;
  };
  const Button buttons[] = {{"open", "open"}, {"save", "save"},   {"edit_chann", "edit_chann"},
                            {"read", "read"}, {"write", "write"}, {"Exit", "exit"}};
  for (const Button& b : buttons) {
    QAction* action = Toolbar1->addAction(
        QIcon(QStringLiteral(":/artwork/%1.png").arg(QString::fromLatin1(b.image))), QString());
    const QString key = QString::fromLatin1(b.key);
    action->setObjectName(key);
    action->setData(key);
    connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
  }
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
  ResetApplicationState();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize s = screen->size();
    resize(static_cast<int>(s.width() / 1.5), static_cast<int>(s.height() / 1.5));
  }
  show();
  SetPanelText(1, QString());
  ApplyCaptions(true);
  SetPanelText(3, QStringLiteral("COM%1").arg(ComPort));
  SetPanelText(5, QString::fromStdString(VersionText));
  SetPanelText(7, QString::fromStdString(BandPanelText(FreqLowInt, FreqHighInt)));
  history_.Reset(TheImage());
  baseline_.Mark(TheImage());
}

void MDImain::ApplyCaptions(bool startup) {
  Language_chn->setChecked(LangChinese);
  Language_eng->setChecked(!LangChinese);

  Menu_About->setText(Lang("关于", "About"));
  Menu_exit->setText(Lang("退出", "Exit"));
  Language_Setup->setTitle(Lang("语言", "Language"));
  proc_setup->setText(Lang("端口设置", "Communication"));
  proc_type->setText(startup ? Lang("机 型", "Model") : Lang("机型", "Model"));
  Edit->setTitle(Lang("编辑", "Edit"));
  Edit_undo->setText(Lang("撤销", "Undo"));
  Edit_redo->setText(Lang("重做", "Redo"));
  Channel_edit->setText(Lang("信道信息", "Channel Information "));
  Optional_edit->setText(Lang("可选功能", "Optional Features"));
  key_edit->setText(Lang("键设定", "Key Assignment"));
  Scan_edit->setText(Lang("扫描信息", "Scan Information"));
  Dtmf_edit->setText(Lang("DTMF(双音多频)", "DTMF"));
  Fleetsync_edit->setText(Lang("FleetSync(队列同步)", "FleetSync"));
  Test_edit->setText(Lang("收音机编辑", "Radio"));
  Message_edit->setText(Lang("嵌入信息", "Embedded Message"));
  Program->setTitle(Lang("编程", "Program"));
  Prog_read->setText(Lang("从对讲机读取数据", "Read from radio"));
  Prog_write->setText(Lang("向对讲机写入数据", "Write to radio"));
  Prog_verify->setText(Lang("校验对讲机...", "Verify Radio..."));
  Prog_clone->setText(Lang("批量写入...", "Clone to Radios..."));
  Prog_test->setText(Lang("测试模式", "Test Mode"));
  Tools->setTitle(Lang("工具", "Tools"));
  Info->setText(Lang("对讲机信息", "Radio Information"));
  File->setTitle(Lang("文件", "File"));
  File_New->setText(Lang("新建", "New"));
  File_Open->setText(Lang("打开", "Open"));
  File_save->setText(Lang("保存", "Save"));
  File_saveas->setText(Lang("另存为", "Save As"));
  File_import_csv->setText(Lang("导入 CSV...", "Import CSV..."));
  File_export_csv->setText(Lang("导出 CSV...", "Export CSV..."));
  File_export_sheet->setText(Lang("导出信道表 PDF...", "Export Channel Sheet PDF..."));
  File_exit->setText(Lang("退出", "Exit"));

  const QString company = Lang("林岛沃岚电子有限公司", "Lindao VORLAN Electronic Co.,Ltd. ");
  const QString caption = Lang("林岛沃岚电子有限公司  RT410 系列对讲机编程软件 ",
                               "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software ");
  auto otherPanels = [&] {
    SetPanelText(1, Lang("状态", "State"));
    SetPanelText(2, QString());
    SetPanelText(3, QStringLiteral("COM%1").arg(ComPort));
    SetPanelText(4, Lang("软件版本", "  Version"));
    SetPanelText(6, startup ? Lang("频 段", "Band") : Lang("频段", "Band"));
  };
  if (LangChinese) {
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
  if (LangChinese != chinese) {
    LangChinese = chinese;
    LoadAboutTexts();
  }
  ApplyCaptions(false);
  for (const FormEntry& entry : forms_) {
    if (entry.openFlag && FormOpenFlag(entry.name)) OpenChild(QString::fromLatin1(entry.name));
  }
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
  if (entry->openFlag) SetFormOpenFlag(entry->name, true);
  Decode(form, [&] {
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
    if (const FormEntry* entry = Entry(form->FormName()); entry && entry->openFlag) {
      SetFormOpenFlag(entry->name, false);
    }
  }
  // The old instance lingers until deleted; it must not be found by name meanwhile.
  form->setObjectName(QString());
  if (lastActivated_ && lastActivated_->widget() == form) lastActivated_ = nullptr;
}

void MDImain::OnSubWindowActivated(QMdiSubWindow* window) {
  // Null when the application loses the focus (a message box, another program);
  // the same window again when it comes back: neither is the user switching.
  if (!window || window == lastActivated_) return;
  lastActivated_ = window;
  if (auto* form = qobject_cast<ChildForm*>(window->widget())) {
    if (!form->Unloaded()) Decode(form, [form] { form->Form_Activate(); });
  }
}

void MDImain::Decode(ChildForm* form, const std::function<void()>& decode) {
  for (const auto& other : children_.values()) {
    if (other && other != form && !other->Unloaded()) other->CommitOpenEdit();
  }
  history_.Checkpoint(TheImage(), typing_);
  const RadioImage before = TheImage();
  decode();
  baseline_.Normalise(before, TheImage());
  history_.Settle(TheImage());
}

void MDImain::UserInput(QEvent* event) {
  history_.Checkpoint(TheImage(), typing_);
  typing_ = 0;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
      event->type() == QEvent::ShortcutOverride) {
    if (IsTyping(static_cast<QKeyEvent*>(event)) && FocusedTextBox()) {
      typing_ = reinterpret_cast<UndoHistory::Source>(FocusedTextBox());
    }
  }
}

void MDImain::ShowImageAgain() {
  const QPointer<QWidget> focus = QApplication::focusWidget();
  const RadioImage before = TheImage();
  for (const auto& child : children_.values()) {
    if (child && !child->Unloaded()) child->Form_Activate();
  }
  baseline_.Normalise(before, TheImage());
  history_.Settle(TheImage());
  if (focus && focus->isVisible()) focus->setFocus();
}

void MDImain::CommitOpenEdits() {
  for (const auto& child : children_.values()) {
    if (child && !child->Unloaded()) child->CommitOpenEdit();
  }
}

void MDImain::Edit_undo_Click() {
  // An edit still open is the latest change: it is committed, then undone first.
  CommitOpenEdits();
  if (history_.Undo(TheImage())) ShowImageAgain();
}

void MDImain::Edit_redo_Click() {
  CommitOpenEdits();
  if (history_.Redo(TheImage())) ShowImageAgain();
}

void MDImain::ImageKept() {
  history_.Checkpoint(TheImage());
  baseline_.Mark(TheImage());
}

void MDImain::ImageLoadedAtStart() {
  history_.Reset(TheImage());
  baseline_.Mark(TheImage());
}

void MDImain::ImageReplaced() {
  history_.Checkpoint(TheImage());
  ShowImageAgain();
}

bool MDImain::ImageChanged() const {
  return baseline_.ChangedSince(TheImage());
}

void MDImain::closeEvent(QCloseEvent* event) {
  CommitOpenEdits();
  if (!ImageChanged()) {
    event->accept();
    return;
  }
  const int answer = ShowQuestion(
      Lang("信道数据已修改，尚未保存到文件或写入对讲机。退出前保存吗？",
           "The channel data has changed and has not been saved to a file or written to a "
           "radio. Save before exiting?"),
      {Lang("保存", "Save"), Lang("不保存", "Discard"), Lang("取消", "Cancel")});
  if (answer == 1) {
    event->accept();
    return;
  }
  event->ignore();
  if (answer == 0) File_save_Click();
}

void MDImain::File_Open_Click() {
  OpenChild("Form_open_chann");
}
void MDImain::File_save_Click() {
  OpenChild("Form_save_chann");
}
void MDImain::File_saveas_Click() {
  OpenChild("Form_save_chann");
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
  if (key == QLatin1String("open")) {
    File_Open_Click();
  } else if (key == QLatin1String("save")) {
    File_save_Click();
  } else if (key == QLatin1String("edit_chann")) {
    Channel_edit_Click();
  } else if (key == QLatin1String("read")) {
    Prog_read_Click();
  } else if (key == QLatin1String("write")) {
    Prog_write_Click();
  } else if (key == QLatin1String("Exit")) {
    File_exit_Click();
  }
}
