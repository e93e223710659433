#include "shell/forms/ui.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageHook& Hook() {
  static MessageHook hook;
  return hook;
}
DetailedMessageHook& DetailedHook() {
  static DetailedMessageHook hook;
  return hook;
}
}  // namespace

void SetMessageHook(MessageHook hook) {
  Hook() = std::move(hook);
}

void SetDetailedMessageHook(DetailedMessageHook hook) {
  DetailedHook() = std::move(hook);
}

void ShowMessage(const QString& text, const QString& title, MsgIcon icon,
                 const QString& informative) {
  const QString shownTitle = title.isNull() ? Lang("操作提示", "Operate prompt") : title;
  if (DetailedHook()) {
    DetailedHook()(shownTitle, text, icon, informative);
    return;
  }
  if (Hook()) {
    Hook()(shownTitle, text, icon);
    return;
  }
  QMessageBox box(icon == MsgIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, shownTitle,
                  text, QMessageBox::Ok, QApplication::activeWindow());
  if (!informative.isEmpty()) box.setInformativeText(informative);
  box.exec();
}
