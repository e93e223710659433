#include "shell/forms/child_form.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "shell/forms/help.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

ChildForm::ChildForm(MDImain* main)
    : main_(main), doc_(main->Document()), settings_(main->Settings()) {}

void ChildForm::SetFormName(const QString& formName) {
  formName_ = formName;
  setObjectName(formName);
}

QMdiSubWindow* ChildForm::SubWindow() const {
  return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void ChildForm::Unload() {
  if (unloaded_) return;
  if (messageDepth_ > 0) {
    // Unloaded now, so that a new instance can open, but deleted only once the box
    // is gone: the code that showed it, and the control whose signal ran that code,
    // are still on the stack.
    unloaded_ = true;
    Form_Unload();
    if (main_) main_->ChildUnloaded(this);
    if (QMdiSubWindow* sub = SubWindow()) sub->hide();
    hide();
    return;
  }
  if (QMdiSubWindow* sub = SubWindow()) {
    sub->close();
  } else {
    close();
  }
}

void ChildForm::Command_Help_Click() {
  settings_.HelpTopic = formName_.toStdString();
  if (main_) main_->OpenChild(QStringLiteral("frmHelp"));
}

void ChildForm::closeEvent(QCloseEvent* event) {
  if (!unloaded_) {
    unloaded_ = true;
    Form_Unload();
    if (main_) main_->ChildUnloaded(this);
  }
  event->accept();
}

bool ChildForm::Warn(const QString& text, const QString& title) {
  return Show([&] { ShowMessage(text, title.isNull() ? PromptTitle(Chinese()) : title); });
}

bool ChildForm::Show(const std::function<void()>& box) {
  const QPointer<ChildForm> self(this);
  const bool closing = unloaded_;  // a message of the window's own unloading
  ++messageDepth_;
  box();
  if (!self) return false;  // the main window went, and every window with it
  --messageDepth_;
  if (unloaded_ == closing) return true;
  if (messageDepth_ > 0) return false;
  // Unloaded under the box: the window goes when the event loop next runs.
  if (QMdiSubWindow* sub = SubWindow()) {
    sub->deleteLater();
  } else {
    deleteLater();
  }
  return false;
}

void ChildForm::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  if (QMdiSubWindow* sub = SubWindow()) sub->setWindowTitle(caption);
}

QSize ChildForm::ClientSize() const {
  return main_ ? main_->MdiArea()->viewport()->size() : QSize(800, 600);
}

QSize ChildForm::MainFrameSize() const {
  return main_ ? main_->frameGeometry().size() : QSize(800, 600);
}

void ChildForm::PlaceWindow(int left, int top, int width, int height) {
  QWidget* frame = SubWindow() ? static_cast<QWidget*>(SubWindow()) : this;
  const QSize client = ClientSize();
  const int titleHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  width = std::max(width, 80);
  height = std::max(height, titleHeight + 20);
  left = std::clamp(left, 0, std::max(0, client.width() - 80));
  top = std::clamp(top, 0, std::max(0, client.height() - titleHeight));
  frame->setGeometry(left, top, width, height);
}

void ChildForm::PlaceCentred(int width, int height, int topOffset) {
  const QSize client = ClientSize();
  PlaceWindow((client.width() - width) / 2, (client.height() - height) / 2 + topOffset, width,
              height);
}

void ChildForm::PlaceInMainFrame(double widthDivisor, double heightDivisor, int top) {
  const QSize frame = MainFrameSize();
  const QSize designed = DesignedSize();
  const int width = std::max(static_cast<int>(frame.width() / widthDivisor), designed.width());
  const int height = std::max(static_cast<int>(frame.height() / heightDivisor), designed.height());
  PlaceWindow((frame.width() - width) / 2, top, width, height);
}

QSize ChildForm::DesignedSize() const {
  QSize size = sizeHint();
  if (QMdiSubWindow* sub = SubWindow()) {
    const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    size += QSize(2 * border, title + border);
  }
  return size;
}
