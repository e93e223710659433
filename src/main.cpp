#include <QApplication>

#include "files/forms/chann_forms.h"
#include "shell/forms/main_window.h"
#include "window_registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("rt410-cps");
  MDImain window(ProgramForms());
  window.MDIForm_Load();
  OpenFileGivenAtStart(window, QApplication::arguments().mid(1));
  return QApplication::exec();
}
