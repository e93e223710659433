#include "channels/forms/channel_widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

#include "codec/tones.h"
#include "shell/forms/child_form.h"
#include "shell/forms/ui.h"

int KeyAscii(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Backspace:
      return kKeyBackspace;
    default:
      break;
  }
  // Ctrl and Alt combinations are commands (copy, paste, select all), not characters.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t ch = text.at(0).unicode();
  return ch >= 0x20 && ch != 0x7F ? static_cast<int>(ch) : 0;
}

QStringList ToneListEntries(const QString& offWord) {
  QStringList entries{offWord};
  for (int i = 1; i <= kToneLast; ++i) {
    entries << QString::fromStdString(ToneTableEntry(i)).trimmed();
  }
  return entries;
}

void SetFieldEnabled(QWidget* field, bool enabled) {
  field->setEnabled(enabled);
  QPalette palette = field->palette();
  const QPalette standard = QApplication::palette(field);
  const QColor background = enabled ? standard.color(QPalette::Active, QPalette::Base)
                                    : standard.color(QPalette::Active, QPalette::Button);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, background);
  }
  field->setPalette(palette);
}

CommitResult CommitTypedFrequency(ChildForm& window, int channel, FreqField field,
                                  const QString& typed, RangeRule rule) {
  RadioDocument& doc = window.Doc();
  const FrequencyEdit edit =
      PlanFrequency(doc.Image(), channel, field, typed.toStdString(), doc.Limits(), rule);
  // The user reads the message while the image still holds what it held.
  if (const TextPair text = EditMessageText(edit.message, rule)) {
    if (!window.Warn(window.Lang(text.chinese, text.english))) return {};
  }
  return ApplyFrequency(doc.EditImage(), edit);
}
