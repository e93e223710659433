#include "shell/forms/controls.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, [this](int) { emit Click(); });
}

void ComboBox::Select(int index) {
  setCurrentIndex(index);
  emit Click();
}

void ComboBox::SetEditable(bool editable) {
  setEditable(editable);
  if (!editable) return;
  setInsertPolicy(QComboBox::NoInsert);
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { emit Change(); });
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
  if (keyPress_ && keyPress_(event)) return;
  QComboBox::keyPressEvent(event);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyPress && keyPress_) {
    if (keyPress_(static_cast<QKeyEvent*>(event))) return true;
  }
  return QComboBox::eventFilter(watched, event);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!showing_) emit Change();
  });
}

void TextBox::ShowText(const QString& text) {
  showing_ = true;
  setText(text);
  showing_ = false;
}

void ShowChecked(QAbstractButton* button, bool checked) {
  const QSignalBlocker quiet(button);
  button->setChecked(checked);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (keyPress_ && keyPress_(event)) return;
  QLineEdit::keyPressEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (IsControlFocusChange(event->reason())) emit LostFocus();
}

bool IsControlFocusChange(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

QHBoxLayout* CentredRow(std::initializer_list<QWidget*> widgets, int spacing) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  bool first = true;
  for (QWidget* widget : widgets) {
    if (!first && spacing >= 0) row->addSpacing(spacing);
    row->addWidget(widget);
    first = false;
  }
  row->addStretch();
  return row;
}
