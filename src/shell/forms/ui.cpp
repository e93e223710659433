#include "shell/forms/ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
// The one installed hook of each kind (the hook types are distinct signatures).
template <class H>
H& Installed() {
  static H hook;
  return hook;
}
}  // namespace

QString PromptTitle(bool chinese) {
  return QString::fromUtf8(chinese ? "操作提示" : "Operate prompt");
}

void SetFileDialogHook(FileDialogHook hook) {
  Installed<FileDialogHook>() = std::move(hook);
}

QString ChooseFile(const FileRequest& request) {
  if (Installed<FileDialogHook>()) return Installed<FileDialogHook>()(request);
  QFileDialog dialog(QApplication::activeWindow(), request.caption, request.start, request.filter);
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
