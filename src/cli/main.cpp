// rt410: reads, writes, verifies and clones RT410 radios, and shows, compares and
// converts channel files, from a shell. The same link as the windows, without them.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

#include "cli/cli.h"
#include "features/option_codec.h"
#include "files/channel_file.h"
#include "files/channel_file_messages.h"
#include "shell/model_band.h"
#include "shell/radio_document.h"

namespace cli {

void Err(const std::string& text) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", text.c_str());
}

void Out(const std::string& text) {
  std::fprintf(stdout, "%s\n", text.c_str());
  // A result line shows at once, also in a pipe or a log a dealer watches.
  std::fflush(stdout);
}

bool StderrIsTerminal() {
#if defined(Q_OS_WIN)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

int UsageError(const Args& args, const std::string& text) {
  const auto T = [&](const char* zh, const char* en) { return args.T(zh, en); };
  const std::string who = args.command.empty() ? "rt410" : "rt410 " + args.command;
  Err(who + ": " + text);
  Err(std::string(T("详见 “", "Try '")) + who + " --help" + T("”。", "'."));
  return kUsage;
}

std::optional<std::string> ReadTextFile(const AppSettings& settings, const std::string& path,
                                        std::size_t maxBytes) {
  const auto T = [&](const char* zh, const char* en) { return settings.Text(zh, en); };
  const QString name = QString::fromStdString(path);
  QFile file;
  if (path == "-") {
    if (!file.open(stdin, QIODevice::ReadOnly)) return std::nullopt;
  } else {
    const QFileInfo info(name);
    if (!info.exists()) {
      Err(std::string(T("文件 ", "The file ")) + path + T(" 不存在。", " does not exist."));
      return std::nullopt;
    }
    // A folder, a pipe or a device is no file to read a channel plan from.
    if (!info.isFile()) {
      Err(path + T(" 不是文件。", " is not a file."));
      return std::nullopt;
    }
    file.setFileName(name);
    if (!file.open(QIODevice::ReadOnly)) {
      Err(std::string(T("无法读取文件 ", "The file ")) + path + T("。", " cannot be read: ") +
          (settings.LangChinese ? "" : file.errorString().toStdString()));
      return std::nullopt;
    }
  }
  // A pipe hands its bytes over in pieces: read to its end or past the limit.
  const qint64 limit = static_cast<qint64>(maxBytes) + 1;
  QByteArray bytes;
  while (bytes.size() < limit) {
    const QByteArray piece = file.read(limit - bytes.size());
    if (piece.isEmpty()) break;
    bytes += piece;
  }
  if (file.error() != QFileDevice::NoError) {
    Err(path + ": " + file.errorString().toStdString());
    return std::nullopt;
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool OpenChannFile(const AppSettings& settings, const std::string& path, RadioDocument& document) {
  const auto text = ReadTextFile(settings, path, kChannelFileMaxBytes);
  if (!text) return false;
  RadioImage image = StartupImage();
  const ChannelFileCheck check = LoadChannelFileText(*text, image);
  if (!check.Loaded()) {
    Err(ChannelFileFaultText(check, path, settings.LangChinese));
    return false;
  }
  document.Enter(image, ImageSource::Open);
  document.SetFileName(path);
  return true;
}

std::optional<RadioImage> LoadChannFile(const AppSettings& settings, const std::string& path) {
  RadioDocument document;
  if (!OpenChannFile(settings, path, document)) return std::nullopt;
  return document.Image();
}

bool MayWrite(const AppSettings& settings, const std::string& path, bool force) {
  const auto T = [&](const char* zh, const char* en) { return settings.Text(zh, en); };
  if (force || path == "-" || !QFileInfo::exists(QString::fromStdString(path))) return true;
  Err(std::string(T("文件 ", "The file ")) + path +
      T(" 已存在，未改动；用 --force 覆盖。",
        " exists and was left untouched; --force overwrites it."));
  return false;
}

bool WriteTextFile(const AppSettings& settings, const std::string& path, const std::string& text,
                   bool force) {
  const auto T = [&](const char* zh, const char* en) { return settings.Text(zh, en); };
  if (path == "-") {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0;
  }
  if (!MayWrite(settings, path, force)) return false;
  const QString name = QString::fromStdString(path);
  // Written beside the target and renamed over it only when complete.
  QSaveFile file(name);
  const auto size = static_cast<qint64>(text.size());
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
    Err(std::string(T("无法写入文件 ", "The file ")) + path +
        T("，原有文件保持不变：", " could not be written; an existing file was left unchanged: ") +
        file.errorString().toStdString());
    return false;
  }
  return true;
}

bool SaveChannFile(const AppSettings& settings, const std::string& path, const RadioImage& image,
                   bool force) {
  return WriteTextFile(settings, path, ChannelFileText(image), force);
}

std::optional<int> BandOption(const Args& args, bool& bad) {
  bad = false;
  const auto value = args.Value("band");
  if (!value) return std::nullopt;
  if (value->size() == 1 && (*value)[0] >= '0' && (*value)[0] < '0' + kBandsOffered)
    return (*value)[0] - '0';
  bad = true;
  UsageError(args, std::string(args.T("--band 取 0 到 4：", "--band takes 0 to 4: ")) + *value);
  return std::nullopt;
}

namespace {

struct OptionSpec {
  const char* shortName;  // "" when none
  const char* longName;
  bool takesValue;
};

struct CommandSpec {
  const char* name;
  int minPositional;
  int maxPositional;
  std::vector<OptionSpec> options;
  int (*run)(const Args&);
};

const std::vector<CommandSpec>& Commands() {
  static const std::vector<CommandSpec> commands = {
      {"ports", 0, 0, {}, Ports},
      {"read",
       0,
       0,
       {{"-p", "port", true},
        {"-o", "output", true},
        {"", "password", true},
        {"", "force", false},
        {"", "verify", false}},
       Read},
      {"write", 1, 1, {{"-p", "port", true}, {"", "band", true}}, Write},
      {"verify", 1, 1, {{"-p", "port", true}, {"", "band", true}, {"", "password", true}}, Verify},
      {"clone",
       1,
       1,
       {{"-p", "port", true},
        {"", "band", true},
        {"", "verify", false},
        {"", "count", true},
        {"", "log", true},
        {"", "ani-from", true},
        {"", "password", true}},
       Clone},
      {"show", 1, 1, {}, Show},
      {"diff", 2, 2, {}, Diff},
      {"export-csv", 1, 1, {{"-o", "output", true}}, ExportCsv},
      {"import-csv",
       1,
       1,
       {{"-o", "output", true},
        {"", "base", true},
        {"", "band", true},
        {"", "force", false},
        {"", "skip-unfit", false},
        {"", "renumber", false}},
       ImportCsv},
      {"sheet", 1, 1, {{"-o", "output", true}}, Sheet},
  };
  return commands;
}

// Chinese when the locale that names the messages' language begins with "zh".
bool LocaleChinese() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::strncmp(value, "zh", 2) == 0;
  }
  return false;
}

// Takes the language first, so that every later message is in it.
std::optional<bool> LanguageOption(const std::vector<std::string>& words, std::string& bad) {
  std::optional<bool> chinese;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string value;
    if (words[i] == "--lang" && i + 1 < words.size()) {
      value = words[i + 1];
    } else if (words[i].rfind("--lang=", 0) == 0) {
      value = words[i].substr(7);
    } else {
      continue;
    }
    if (value == "zh") {
      chinese = true;
    } else if (value == "en") {
      chinese = false;
    } else {
      bad = value;
    }
  }
  return chinese;
}

int Run(const std::vector<std::string>& words, AppSettings& settings) {
  std::string badLang;
  settings.LangChinese = LanguageOption(words, badLang).value_or(LocaleChinese());
  const auto T = [&](const char* zh, const char* en) { return settings.Text(zh, en); };
  Args args(settings);
  if (!badLang.empty()) return UsageError(args, "--lang en|zh: " + badLang);

  std::size_t i = 0;
  // Words before the command: --help, --version, --lang.
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "--help" || w == "-h") {
      std::fputs(HelpText(settings, "").c_str(), stdout);
      return kSuccess;
    }
    if (w == "--version") {
      Out("rt410 " + std::string(RT410_VERSION));
      return kSuccess;
    }
    if (w == "--lang") {
      ++i;
      continue;
    }
    if (w.rfind("--lang=", 0) == 0) continue;
    break;
  }
  if (i == words.size()) return UsageError(args, T("缺少命令。", "no command given."));
  args.command = words[i++];
  const auto& commands = Commands();
  const auto chosen = std::find_if(commands.begin(), commands.end(),
                                   [&](const CommandSpec& c) { return args.command == c.name; });
  if (chosen == commands.end()) {
    const std::string unknown = args.command;
    args.command.clear();
    return UsageError(args, std::string(T("未知命令：", "unknown command: ")) + unknown);
  }

  bool onlyPositional = false;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (onlyPositional || w == "-" || w.empty() || w[0] != '-') {
      args.positional.push_back(w);
      continue;
    }
    if (w == "--") {
      onlyPositional = true;
      continue;
    }
    if (w == "--help" || w == "-h") {
      std::fputs(HelpText(settings, args.command).c_str(), stdout);
      return kSuccess;
    }
    if (w == "--version") {
      Out("rt410 " + std::string(RT410_VERSION));
      return kSuccess;
    }
    std::string name = w;
    std::optional<std::string> inlineValue;
    if (const auto eq = w.find('='); w.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = w.substr(0, eq);
      inlineValue = w.substr(eq + 1);
    }
    if (name == "--lang") {
      if (!inlineValue) ++i;
      continue;
    }
    const auto option =
        std::find_if(chosen->options.begin(), chosen->options.end(), [&](const OptionSpec& o) {
          return name == o.shortName || name == std::string("--") + o.longName;
        });
    if (option == chosen->options.end())
      return UsageError(args, std::string(T("未知选项：", "unknown option: ")) + w);
    if (!option->takesValue) {
      if (inlineValue)
        return UsageError(args, std::string(T("此选项不带值：", "takes no value: ")) + name);
      args.flags.insert(option->longName);
      continue;
    }
    if (!inlineValue && i + 1 >= words.size())
      return UsageError(args, std::string(T("缺少选项的值：", "needs a value: ")) + name);
    args.values[option->longName].push_back(inlineValue ? *inlineValue : words[++i]);
  }
  const int count = static_cast<int>(args.positional.size());
  if (count < chosen->minPositional)
    return UsageError(args, T("缺少文件名。", "a file name is missing."));
  if (count > chosen->maxPositional)
    return UsageError(args, std::string(T("多余的参数：", "too many arguments: ")) +
                                args.positional[static_cast<std::size_t>(chosen->maxPositional)]);
  return chosen->run(args);
}

}  // namespace

}  // namespace cli

namespace {
// The command word: the first that is neither an option nor the value of --lang.
std::string CommandWord(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--lang") {
      ++i;
    } else if (words[i].empty() || words[i][0] != '-') {
      return words[i];
    }
  }
  return {};
}
}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  // Only the sheet draws: it needs fonts, never a display.
  std::unique_ptr<QCoreApplication> app;
  if (CommandWord(words) == "sheet") {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("rt410");
  // Without what the application took for itself.
  words.clear();
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  AppSettings settings;
  return cli::Run(words, settings);
}
