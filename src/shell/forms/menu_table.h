#pragma once
// The main window's menu bar and toolbar as one table: each command's name, its
// captions in both languages, its shortcut and its handler.
#include <QKeySequence>
#include <span>

class MDImain;
class QAction;
class QMenu;

// One row of the menu bar: a menu (action null) or a command, in the order they stand.
// A command's menu is the last menu row above it; top-level commands name none.
struct MenuRow {
  QMenu* MDImain::*menu;
  QAction* MDImain::*action;
  const char* name;
  const char* chinese;
  const char* english;
  QKeyCombination shortcut;
  void (MDImain::*handler)();
  enum Flags { kNone = 0, kTopLevel = 1, kHidden = 2, kSeparatorBefore = 4, kCheckable = 8 };
  int flags;
  const char* toolbarKey;  // the toolbar button that runs it too, and its picture
};

inline constexpr QKeyCombination kNoKey{};

std::span<const MenuRow> MenuRows();
// The toolbar's buttons in order; each runs the command whose toolbarKey it is, and
// "Exit" runs File_exit.
std::span<const char* const> ToolbarKeys();
