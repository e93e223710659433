#pragma once
// Controls with the events the windows of this program are written against.
//   ComboBox::Click   an entry chosen by the user (the same one again too) or
//                     selected by code through Select();
//   ComboBox::Change  the text of an editable box edited by the user;
//   TextBox::Change   every edit, by the user or by code (QLineEdit::textChanged);
//   TextBox KeyPress  filters keys before the box sees them;
//   TextBox::LostFocus the focus moved to another control of the application (not
//                     the application losing the focus, nor a message box).
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <initializer_list>
#include <utility>

class QAbstractButton;
class QHBoxLayout;
class QKeyEvent;

// A new widget of type T on parent, with its objectName; args come before the parent
// in T's constructor (Named<QLabel>(this, "Label3", "MHZ")).
template <class T, class... Args>
T* Named(QWidget* parent, const char* objectName, Args&&... args) {
  auto* widget = new T(std::forward<Args>(args)..., parent);
  widget->setObjectName(QString::fromLatin1(objectName));
  return widget;
}

class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget* parent = nullptr);
  // Selects entry index from code and runs Click, as choosing it would.
  void Select(int index);
  // Shows entry index, as drawing does: Click does not run.
  void ShowEntry(int index) { setCurrentIndex(index); }
  // An editable box raises Change when the user edits its text; its key filter
  // also sees the keys typed into the text.
  void SetEditable(bool editable);
  // Editable boxes: the key filter sees every key press first; returning true
  // discards the key.
  void SetKeyPress(std::function<bool(QKeyEvent*)> filter) { keyPress_ = std::move(filter); }

 signals:
  void Click();
  void Change();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(QKeyEvent*)> keyPress_;
};

class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent = nullptr);
  // Shows text, as drawing does: Change does not run.
  void ShowText(const QString& text);
  // Returning true discards the key; the filter may also change nothing and let it pass.
  void SetKeyPress(std::function<bool(QKeyEvent*)> filter) { keyPress_ = std::move(filter); }

 signals:
  void Change();
  void LostFocus();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::function<bool(QKeyEvent*)> keyPress_;
  bool showing_ = false;
};

// Shows a check box or option button checked or not, as drawing does: its handlers
// do not run.
void ShowChecked(QAbstractButton* button, bool checked);

// A row of buttons centred in its space, spacing pixels apart (-1: the style's own).
QHBoxLayout* CentredRow(std::initializer_list<QWidget*> widgets, int spacing = -1);

// True for a focus change that is the user (or code) moving between controls,
// false for the application or window losing the focus or a popup opening.
bool IsControlFocusChange(Qt::FocusReason reason);
