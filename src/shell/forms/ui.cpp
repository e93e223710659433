#include "shell/forms/ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>

#include "shell/start_options.h"

namespace {
// The one installed hook of each kind (the hook types are distinct signatures).
template <class H>
H& Installed() {
  static H hook;
  return hook;
}

// Icons and types from the name alone: guessing a type from the contents reads the
// file, and some files (/proc/kmsg, a pipe) never answer.
class NameOnlyIconProvider : public QFileIconProvider {
 public:
  NameOnlyIconProvider() { setOptions(DontUseCustomDirectoryIcons); }
  QIcon icon(const QFileInfo& info) const override {
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo& info) const override {
    const QMimeDatabase types;
    return (info.isDir() ? types.mimeTypeForName(QStringLiteral("inode/directory"))
                         : types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension))
        .comment();
  }
};

// The start as asked, or the same file name in the home folder when the folder has
// gone or lies in /proc, /sys or /dev.
QString SafeStart(const QString& start) {
  const QFileInfo info(start);
  const bool folder = info.isDir();
  const QString canonical = QFileInfo(folder ? start : info.absolutePath()).canonicalFilePath();
  if (!canonical.isEmpty() && DialogMayStartIn(canonical.toStdString())) return start;
  return folder ? QDir::homePath() : QDir::home().filePath(info.fileName());
}
}  // namespace

QString PromptTitle(bool chinese) {
  return QString::fromUtf8(chinese ? "操作提示" : "Operate prompt");
}

void SetFileDialogHook(FileDialogHook hook) {
  Installed<FileDialogHook>() = std::move(hook);
}

QString ChooseFile(const FileRequest& asked) {
  FileRequest request = asked;
  request.start = SafeStart(asked.start);
  if (Installed<FileDialogHook>()) return Installed<FileDialogHook>()(request);
  // Qt's own dialog everywhere: its texts follow the program's language, and its icons
  // come from names instead of each file's contents. The provider outlives the dialog.
  NameOnlyIconProvider icons;
  QFileDialog dialog(QApplication::activeWindow(), request.caption, request.start, request.filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  const bool save = request.mode == FileDialogMode::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void SetMessageHook(MessageHook hook) {
  Installed<MessageHook>() = std::move(hook);
}

void SetAnswerHook(AnswerHook hook) {
  Installed<AnswerHook>() = std::move(hook);
}

void SetDetailedMessageHook(DetailedMessageHook hook) {
  Installed<DetailedMessageHook>() = std::move(hook);
}

void ShowMessage(const QString& text, const QString& title, MsgIcon icon,
                 const QString& informative) {
  const QString& shownTitle = title;
  if (Installed<DetailedMessageHook>()) {
    Installed<DetailedMessageHook>()(shownTitle, text, icon, informative);
    return;
  }
  if (Installed<MessageHook>()) {
    Installed<MessageHook>()(shownTitle, text, icon);
    return;
  }
  const QMessageBox::Icon shown = icon == MsgIcon::Warning       ? QMessageBox::Warning
                                  : icon == MsgIcon::Information ? QMessageBox::Information
                                                                 : QMessageBox::NoIcon;
  QMessageBox box(shown, shownTitle, text, QMessageBox::Ok, QApplication::activeWindow());
  if (!informative.isEmpty()) box.setInformativeText(informative);
  box.exec();
}

int ShowQuestion(const QString& text, const QStringList& buttons, const QString& title) {
  const QString& shownTitle = title;
  const int cancel = static_cast<int>(buttons.size()) - 1;
  if (Installed<DetailedMessageHook>() || Installed<MessageHook>()) {
    if (Installed<DetailedMessageHook>()) {
      Installed<DetailedMessageHook>()(shownTitle, text, MsgIcon::Warning, QString());
    } else {
      Installed<MessageHook>()(shownTitle, text, MsgIcon::Warning);
    }
    return Installed<AnswerHook>() ? Installed<AnswerHook>()(text, buttons) : cancel;
  }
  QMessageBox box(QMessageBox::Warning, shownTitle, text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  QList<QPushButton*> added;
  for (const QString& caption : buttons) {
    added << box.addButton(
        caption, added.size() == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
  }
  if (!added.isEmpty()) {
    box.setDefaultButton(added.front());
    box.setEscapeButton(added.back());
  }
  box.exec();
  const auto chosen = added.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
  return chosen < 0 ? cancel : static_cast<int>(chosen);
}
