#pragma once
// rt410-cps from its command line to its first window: the answers given without a
// display, then the language, the port and the file of the run.
#include <optional>

#include "shell/start_options.h"

class MDImain;

// --help, --version and a bad line, answered on the terminal before Qt needs a display:
// the exit status, or nothing when the program goes on.
std::optional<int> AnswerFromShell(const StartOptions& options);

// After MDIForm_Load: the start-up language with Qt's own texts in it and the device
// of --port; from then on the Language menu's choice is remembered and
// Qt's texts follow it.
void ApplyStartOptions(MDImain& window, const StartOptions& options);
