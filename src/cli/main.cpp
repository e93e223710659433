// rt410: reads, writes, verifies and clones RT410 radios, and shows, compares and
// converts channel files, from a shell. The same link as the windows, without them.
#include <QCommandLineParser>
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

QStringList Words(const std::string& first, const std::vector<std::string>& words) {
  QStringList list{QString::fromStdString(first)};
  for (const std::string& word : words) list << QString::fromStdString(word);
  return list;
}

// The options every command takes besides its own: --lang, --help, --version.
void AddCommonOptions(QCommandLineParser& parser) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption({"lang", {}, "LANG"});
  parser.addOption({{"h", "help"}, {}});
  parser.addOption({"version", {}});
}

// The language of every message: the last valid --lang, else the locale's. A value
// other than en or zh is returned in bad.
bool Language(const QStringList& values, std::string& bad) {
  std::optional<bool> chinese;
  for (const QString& value : values) {
    if (value == "zh") {
      chinese = true;
    } else if (value == "en") {
      chinese = false;
    } else {
      bad = value.toStdString();
    }
  }
  return chinese.value_or(LocaleChinese());
}

// A failed parse in the tool's own words: the word as typed for an unknown option.
int ParseError(const Args& args, const QCommandLineParser& parser,
               const std::vector<std::string>& words) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    const std::string name = unknown.front().toStdString();
    std::string typed = "--" + name;
    for (const std::string& word : words) {
      if (word == "-" + name || word == "--" + name || word.rfind("--" + name + "=", 0) == 0) {
        typed = word;
        break;
      }
    }
    return UsageError(args, std::string(args.T("未知选项：", "unknown option: ")) + typed);
  }
  // "Missing value after '--port'." or "Unexpected value after '--force'.": the option
  // stands between the quotes.
  const QString text = parser.errorText();
  const auto open = text.indexOf('\'');
  const auto close = text.lastIndexOf('\'');
  const std::string name = close > open ? text.mid(open + 1, close - open - 1).toStdString() : "";
  if (text.startsWith("Unexpected value"))
    return UsageError(args, std::string(args.T("此选项不带值：", "takes no value: ")) + name);
  return UsageError(args, std::string(args.T("缺少选项的值：", "needs a value: ")) + name);
}

int Run(const std::vector<std::string>& words, AppSettings& settings) {
  Args args(settings);
  std::string badLang;
  // The words before the command: --lang, --help, --version; the command and all
  // after it are left for the command's own options.
  QCommandLineParser global;
  AddCommonOptions(global);
  global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const bool globalParsed = global.parse(Words("rt410", words));
  settings.LangChinese = Language(global.values("lang"), badLang);
  if (!globalParsed) return ParseError(args, global, words);
  if (global.isSet("help")) {
    std::fputs(HelpText(settings, "").c_str(), stdout);
    return kSuccess;
  }
  if (global.isSet("version")) {
    Out("rt410 " + std::string(RT410_VERSION));
    return kSuccess;
  }
  const QStringList rest = global.positionalArguments();
  if (rest.isEmpty()) {
    if (!badLang.empty()) return UsageError(args, "--lang en|zh: " + badLang);
    return UsageError(args, args.T("缺少命令。", "no command given."));
  }

  const std::string command = rest.front().toStdString();
  QCommandLineParser parser;
  AddCommonOptions(parser);
  const auto& commands = Commands();
  const auto chosen = std::find_if(commands.begin(), commands.end(),
                                   [&](const CommandSpec& c) { return command == c.name; });
  if (chosen != commands.end()) {
    for (const OptionSpec& option : chosen->options) {
      QStringList names{option.longName};
      if (*option.shortName) names.prepend(QString(option.shortName).mid(1));
      parser.addOption({names, {}, option.takesValue ? "VALUE" : QString()});
    }
  }
  std::vector<std::string> after;
  for (qsizetype k = 1; k < rest.size(); ++k) after.push_back(rest[k].toStdString());
  const bool parsed = parser.parse(Words("rt410 " + command, after));
  settings.LangChinese = Language(global.values("lang") + parser.values("lang"), badLang);
  if (!badLang.empty()) return UsageError(args, "--lang en|zh: " + badLang);
  if (chosen == commands.end())
    return UsageError(args, std::string(args.T("未知命令：", "unknown command: ")) + command);

  args.command = command;
  if (!parsed) return ParseError(args, parser, after);
  if (parser.isSet("help")) {
    std::fputs(HelpText(settings, args.command).c_str(), stdout);
    return kSuccess;
  }
  if (parser.isSet("version")) {
    Out("rt410 " + std::string(RT410_VERSION));
    return kSuccess;
  }
  for (const OptionSpec& option : chosen->options) {
    if (!parser.isSet(option.longName)) continue;
    if (!option.takesValue) {
      args.flags.insert(option.longName);
      continue;
    }
    for (const QString& value : parser.values(option.longName))
      args.values[option.longName].push_back(value.toStdString());
  }
  for (const QString& word : parser.positionalArguments())
    args.positional.push_back(word.toStdString());
  const int count = static_cast<int>(args.positional.size());
  if (count < chosen->minPositional)
    return UsageError(args, args.T("缺少文件名。", "a file name is missing."));
  if (count > chosen->maxPositional)
    return UsageError(args, std::string(args.T("多余的参数：", "too many arguments: ")) +
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
