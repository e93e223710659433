#pragma once
// Small pieces both channel windows use.
#include <QStringList>

#include "channels/channel_edit_rules.h"

class ChildForm;
class QKeyEvent;
class QWidget;

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

// The character code a key press types (13 Enter, 8 Backspace), or 0 for a key
// that types nothing (arrows, Delete, Home, function keys, Ctrl combinations).
int KeyAscii(const QKeyEvent* event);

// A tone drop-down: offWord, then ToneTable positions 1..260 without their blanks.
QStringList ToneListEntries(const QString& offWord);

// Enabled fields have the window background, disabled ones the button face.
void SetFieldEnabled(QWidget* field, bool enabled);

// Commits a typed frequency into the window's document by the editor's rules and
// the document's limits (FreqLow, FreqHigh), showing the rule's message first, if it has one. When
// window is closed under that message nothing is stored (outcome Refused).
CommitResult CommitTypedFrequency(ChildForm& window, int channel, FreqField field,
                                  const QString& typed, RangeRule rule);
