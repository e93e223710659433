#include <QApplication>
#include <string>
#include <vector>

#include "files/forms/chann_forms.h"
#include "shell/forms/main_window.h"
#include "shell/forms/program_start.h"
#include "shell/io/settings_file.h"
#include "window_registry.h"

int main(int argc, char* argv[]) {
  // Read before QApplication, which needs a display: --help and --version need none.
  const StartOptions options = ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto status = AnswerFromShell(options)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName("rt410-cps");
  const auto qtHistory = KeepQtDialogHistoryAside();
  MDImain window(ProgramForms());
  window.MDIForm_Load();
  ApplyStartOptions(window, options);
  if (!options.file.empty()) OpenFileGivenAtStart(window, {QString::fromStdString(options.file)});
  return QApplication::exec();
}
