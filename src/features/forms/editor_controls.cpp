#include "features/forms/editor_controls.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "shell/forms/controls.h"

ComboBox* NewDropDown(QWidget* parent, const char* name, bool editable) {
  auto* box = new ComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxVisibleItems(12);
  if (editable) {
    box->SetEditable(true);
    // Inline completion would rewrite the text after the Change handler has settled it.
    box->setCompleter(nullptr);
  }
  return box;
}

int SnapTypedEntry(ComboBox* box) {
  int index = box->findText(box->currentText(), Qt::MatchExactly);
  if (index < 0) index = 0;
  box->setEditText(box->itemText(index));
  box->Select(index);
  return index;
}

bool IsBackspace(const QKeyEvent* event) {
  return event->key() == Qt::Key_Backspace;
}

bool IsCharacterKey(const QKeyEvent* event) {
  if (IsBackspace(event)) return true;
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

char32_t KeyCharacter(const QKeyEvent* event) {
  const auto ucs4 = event->text().toUcs4();
  return ucs4.isEmpty() ? U'\0' : static_cast<char32_t>(ucs4.front());
}
