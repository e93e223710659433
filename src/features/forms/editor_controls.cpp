#include "features/forms/editor_controls.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "features/option_codec.h"
#include "shell/forms/controls.h"

ComboBox* NewDropDown(QWidget* parent, const char* name, bool editable) {
  auto* box = Named<ComboBox>(parent, name);
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

void ShowStored(ComboBox* box, const RadioImage& image, Cell cell) {
  box->ShowEntry(ListIndexFor(image.at(cell), box->count()));
}

void StoreIndex(const ComboBox* box, RadioImage& image, Cell cell) {
  image.at(cell) = static_cast<std::uint8_t>(box->currentIndex());
}

bool IsBackspace(const QKeyEvent* event) {
  return event->key() == Qt::Key_Backspace;
}

bool TypesText(const QKeyEvent* event) {
  if (IsBackspace(event)) return true;
  if (event->key() == Qt::Key_Delete) return false;
  return !event->text().isEmpty();
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
