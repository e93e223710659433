#pragma once
// rt410-cps's command line, the language it starts in and where its file dialogs may
// start: rules without Qt, so that --help needs no display and the tables test them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class StartError { None, UnknownOption, MissingValue, BadLanguage, TwoFiles };

struct StartOptions {
  bool help = false;
  bool version = false;
  std::optional<bool> chinese;  // --lang zh|en: true Chinese
  std::string port;             // --port DEVICE; empty without
  std::string file;             // the channel file to open; empty without
  StartError error = StartError::None;
  std::string bad;  // the word the error is about
};

// The words after the program's name. Qt's own options (-platform, -style, ...) are
// passed over with their values: QApplication takes them later.
StartOptions ParseStartOptions(const std::vector<std::string>& words);

// "--help" and the usage line an error prints under its message.
std::string StartHelp(bool chinese);
std::string StartUsage(bool chinese);
// "rt410-cps: unknown option --x" and the like, for options.error != None.
std::string StartErrorText(const StartOptions& options, bool chinese);

// The locale that names the messages' language: the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty, as lookup (getenv) gives them; empty when none is.
template <class Lookup>
std::string MessagesLocale(Lookup lookup) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = lookup(name);
    if (value && *value) return value;
  }
  return {};
}

// The start-up language: --lang for this run, else the one last chosen in the
// Language menu, else English for a locale of a language other than Chinese, and
// Chinese for a Chinese, "C" or "POSIX" locale or none.
bool StartsInChinese(std::string_view locale, std::optional<bool> remembered,
                     std::optional<bool> given);

// Whether a file dialog may start in folder (absolute, symbolic links resolved):
// not in /proc, /sys or /dev, where reading a "file" can block.
bool DialogMayStartIn(std::string_view folder);
