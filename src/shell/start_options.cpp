#include "shell/start_options.h"

#include <algorithm>
#include <array>

namespace {

// Qt's own options that take a value; QApplication removes them from the line.
constexpr std::array<std::string_view, 15> kQtValueOptions = {
    "-platform",        "-platformpluginpath",
    "-platformtheme",   "-plugin",
    "-qmljsdebugger",   "-style",
    "-stylesheet",      "-session",
    "-display",         "-geometry",
    "-title",           "-name",
    "-qwindowgeometry", "-qwindowtitle",
    "-qwindowicon"};
constexpr std::array<std::string_view, 5> kQtFlags = {"-reverse", "-widgetcount", "-nograb",
                                                      "-dograb", "-sync"};

bool Among(auto list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// "--name=value" split at its first '='.
std::pair<std::string_view, std::optional<std::string_view>> SplitValue(std::string_view word) {
  const auto eq = word.find('=');
  if (eq == std::string_view::npos) return {word, std::nullopt};
  return {word.substr(0, eq), word.substr(eq + 1)};
}

}  // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& words) {
  StartOptions options;
  auto fail = [&](StartError error, std::string_view word) {
    options.error = error;
    options.bad = std::string(word);
    return options;
  };
  bool onlyFiles = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string_view word = words[i];
    const bool option = !onlyFiles && word.size() > 1 && word.front() == '-';
    if (!option) {
      if (!options.file.empty()) return fail(StartError::TwoFiles, word);
      options.file = std::string(word);
      continue;
    }
    if (word == "--") {
      onlyFiles = true;
      continue;
    }
    const auto [name, inlineValue] = SplitValue(word);
    // The option's value: after '=' or the next word.
    auto value = [&, name = name, inlineValue = inlineValue]() -> std::optional<std::string> {
      if (inlineValue) return std::string(*inlineValue);
      if (i + 1 < words.size()) return words[++i];
      return std::nullopt;
    };
    if (word == "-h" || word == "--help") {
      options.help = true;
    } else if (word == "--version") {
      options.version = true;
    } else if (name == "--lang") {
      const auto lang = value();
      if (!lang) return fail(StartError::MissingValue, name);
      if (*lang != "zh" && *lang != "en") return fail(StartError::BadLanguage, *lang);
      options.chinese = *lang == "zh";
    } else if (name == "--port") {
      const auto port = value();
      if (!port || port->empty()) return fail(StartError::MissingValue, name);
      options.port = *port;
    } else if (Among(kQtValueOptions, name)) {
      if (!value()) return fail(StartError::MissingValue, name);
    } else if (!Among(kQtFlags, word)) {
      return fail(StartError::UnknownOption, word);
    }
  }
  return options;
}

std::string StartUsage(bool chinese) {
  return chinese ? "用法：rt410-cps [--lang zh|en] [--port 设备] [文件.chann]\n"
                   "“rt410-cps --help” 显示详细说明。\n"
                 : "Usage: rt410-cps [--lang zh|en] [--port DEVICE] [FILE.chann]\n"
                   "Try 'rt410-cps --help' for more.\n";
}

std::string StartHelp(bool chinese) {
  if (chinese) {
    return "用法：rt410-cps [选项] [文件.chann]\n"
           "\n"
           "RT410 系列对讲机编程软件：读取对讲机的存储器，在窗口中编辑，写回对讲机，\n"
           "并保存在信道参数文件（.chann）中。\n"
           "\n"
           "选项：\n"
           "  --lang zh|en     本次运行的语言（zh 中文，en 英文）；缺省时为上次在“语言”\n"
           "                   菜单中选择的语言；从未选择过时，若 LC_ALL、LC_MESSAGES 或\n"
           "                   LANG（取第一个已设置的）指中文、C 或 POSIX 以外的语言则为\n"
           "                   英文，否则为中文\n"
           "  --port DEVICE    本次运行中每次读写所用的串口设备，如 /dev/ttyUSB0、模拟\n"
           "                   对讲机的 /dev/pts/4 或 COM3\n"
           "  -h, --help       本帮助\n"
           "  --version        版本\n"
           "\n"
           "文件.chann 是启动时打开的信道参数文件。Qt 自身的选项（-platform、-style 等）\n"
           "交给 Qt 处理。\n"
           "\n"
           "设置文件 ~/.config/rt410-cps/rt410-cps.conf 记住所选语言和文件对话框上次\n"
           "所在的文件夹。\n"
           "\n"
           "退出状态：\n"
           "  0  主窗口已关闭，或 --help、--version\n"
           "  2  用法错误\n";
  }
  return "Usage: rt410-cps [OPTIONS] [FILE.chann]\n"
         "\n"
         "Programming software for RT410 series handheld radios: reads a radio's memory,\n"
         "edits it in windows, writes it back and keeps it in channel files (.chann).\n"
         "\n"
         "Options:\n"
         "  --lang zh|en     the language of this run (zh Chinese, en English); by\n"
         "                   default the one last chosen in the Language menu; never\n"
         "                   chosen, English when LC_ALL, LC_MESSAGES or LANG (the first\n"
         "                   one set) names a language other than Chinese, C or POSIX,\n"
         "                   else Chinese\n"
         "  --port DEVICE    the serial device of every transfer of this run, such as\n"
         "                   /dev/ttyUSB0, the simulated radio's /dev/pts/4 or COM3\n"
         "  -h, --help       this help\n"
         "  --version        the version\n"
         "\n"
         "FILE.chann is a channel file to open at start-up. Qt's own options (-platform,\n"
         "-style, ...) are handed on to Qt.\n"
         "\n"
         "The settings file ~/.config/rt410-cps/rt410-cps.conf keeps the language chosen\n"
         "and the folders the file dialogs were last in.\n"
         "\n"
         "Exit status:\n"
         "  0  the main window was closed, or --help or --version\n"
         "  2  bad usage\n";
}

std::string StartErrorText(const StartOptions& options, bool chinese) {
  const std::string& bad = options.bad;
  switch (options.error) {
    case StartError::UnknownOption:
      return chinese ? "rt410-cps：未知选项 " + bad : "rt410-cps: unknown option " + bad;
    case StartError::MissingValue:
      return chinese ? "rt410-cps：选项 " + bad + " 缺少值"
                     : "rt410-cps: option " + bad + " needs a value";
    case StartError::BadLanguage:
      return chinese ? "rt410-cps：--lang 只能是 zh 或 en，而不是 " + bad
                     : "rt410-cps: --lang takes zh or en, not " + bad;
    case StartError::TwoFiles:
      return chinese ? "rt410-cps：只能打开一个文件，多余的是 " + bad
                     : "rt410-cps: one file only; one too many: " + bad;
    case StartError::None:
      break;
  }
  return {};
}

bool StartsInChinese(std::string_view locale, std::optional<bool> remembered,
                     std::optional<bool> given) {
  if (given) return *given;
  if (remembered) return *remembered;
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  return language.empty() || language == "zh" || language == "C" || language == "POSIX";
}

bool DialogMayStartIn(std::string_view folder) {
  for (std::string_view system : {"/proc", "/sys", "/dev"}) {
    if (folder.starts_with(system) &&
        (folder.size() == system.size() || folder[system.size()] == '/')) {
      return false;
    }
  }
  return true;
}
