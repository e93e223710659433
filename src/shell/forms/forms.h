#pragma once
// A row of the window table: a child window's name, how to make one, and whether it
// carries an open flag. The main window is given the table; the flagged rows stand in
// the order a language switch reloads their windows.
#include <QString>

class ChildForm;
class MDImain;

struct FormEntry {
  const char* name;
  ChildForm* (*create)(MDImain* main);
  bool openFlag;
};

inline constexpr bool kOpenFlag = true;
inline constexpr bool kNoOpenFlag = false;

template <class T>
ChildForm* MakeForm(MDImain* main) {
  return new T(main);
}
