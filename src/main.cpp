#include <QApplication>

#include "shell/forms/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("rt410-cps");
  MDImain window;
  window.MDIForm_Load();
  return QApplication::exec();
}
