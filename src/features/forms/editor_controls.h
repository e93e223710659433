#pragma once
// Pieces the feature editor windows share: their drop-downs and their key filters.
#include <QString>

#include "image/radio_image.h"

class ComboBox;
class QKeyEvent;
class QWidget;

// A drop-down list named name. An editable one takes typed text, which its window's
// Change handler turns into an entry with SnapTypedEntry.
ComboBox* NewDropDown(QWidget* parent, const char* name, bool editable);

// After the user typed into an editable list: the entry whose text was typed, or
// entry 0 when free text was typed; it is selected (running Click) and shown. Returns
// the selected index.
int SnapTypedEntry(ComboBox* box);

// Shows the entry that the list index stored in cell of the image stands for (beyond
// the list, the last entry), as drawing does: Click does not run.
void ShowStored(ComboBox* box, const RadioImage& image, Cell cell);
// Stores the selected entry's index in cell of the image.
void StoreIndex(const ComboBox* box, RadioImage& image, Cell cell);

// A key that types a character into a box (backspace included), as opposed to a
// navigation key or a shortcut, which the filters of the windows let through.
bool IsCharacterKey(const QKeyEvent* event);
bool IsBackspace(const QKeyEvent* event);
// The scan and message boxes' wider test: any key with text but Delete, and Backspace.
bool TypesText(const QKeyEvent* event);
// The character a character key types.
char32_t KeyCharacter(const QKeyEvent* event);
