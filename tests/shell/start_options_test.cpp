#include "shell/start_options.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr std::optional<bool> kZh = true;
constexpr std::optional<bool> kEn = false;
constexpr std::optional<bool> kNone = std::nullopt;

// Every locale against every remembered choice and every --lang.
TEST(StartLanguage, LocaleRememberedAndGiven) {
  const std::map<std::string, bool> localeChinese = {{"", true},
                                                     {"C", true},
                                                     {"C.UTF-8", true},
                                                     {"POSIX", true},
                                                     {"zh_CN.UTF-8", true},
                                                     {"zh_TW", true},
                                                     {"zh", true},
                                                     {"en_US.UTF-8", false},
                                                     {"en", false},
                                                     {"de_DE@euro", false},
                                                     {"ja_JP.eucJP", false},
                                                     {"Chinese", false}};
  for (const auto& [locale, chinese] : localeChinese) {
    for (std::optional<bool> remembered : {kNone, kZh, kEn}) {
      for (std::optional<bool> given : {kNone, kZh, kEn}) {
        const bool expected = given.value_or(remembered.value_or(chinese));
        EXPECT_EQ(StartsInChinese(locale, remembered, given), expected)
            << "locale '" << locale << "' remembered " << remembered.value_or(2) << " given "
            << given.value_or(2);
      }
    }
  }
}

TEST(StartLanguage, FirstSetLocaleVariable) {
  struct Row {
    std::map<std::string, const char*> env;
    std::string locale;
  };
  const Row rows[] = {
      {{}, ""},
      {{{"LANG", "en_US.UTF-8"}}, "en_US.UTF-8"},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, "zh_CN.UTF-8"},
      {{{"LANG", "zh_CN"}, {"LC_MESSAGES", "de_DE"}, {"LC_ALL", "C"}}, "C"},
      {{{"LANG", "en_GB"}, {"LC_ALL", ""}}, "en_GB"},  // set but empty counts as unset
  };
  for (const Row& row : rows) {
    const std::string locale = MessagesLocale([&](const char* name) -> const char* {
      const auto it = row.env.find(name);
      return it == row.env.end() ? nullptr : it->second;
    });
    EXPECT_EQ(locale, row.locale);
  }
}

// What a line gave, in short: "help", "lang=en", "port=P", "file=F", "error=N:word".
std::string Parsed(const std::vector<std::string>& words) {
  const StartOptions o = ParseStartOptions(words);
  std::string text = std::string(o.help ? " help" : "") + (o.version ? " version" : "");
  if (o.chinese) text += *o.chinese ? " lang=zh" : " lang=en";
  if (!o.port.empty()) text += " port=" + o.port;
  if (!o.file.empty()) text += " file=" + o.file;
  if (o.error != StartError::None) {
    text += " error=" + std::to_string(static_cast<int>(o.error)) + ":" + o.bad;
    // Both languages' messages name the word at fault.
    EXPECT_NE(StartErrorText(o, false).find(o.bad), std::string::npos) << text;
    EXPECT_NE(StartErrorText(o, true).find(o.bad), std::string::npos) << text;
  }
  return text.empty() ? text : text.substr(1);
}

TEST(StartOptions, Lines) {
  const int unknown = static_cast<int>(StartError::UnknownOption);
  const int missing = static_cast<int>(StartError::MissingValue);
  const int badLang = static_cast<int>(StartError::BadLanguage);
  const int twoFiles = static_cast<int>(StartError::TwoFiles);
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{}, ""},
      {{"--help"}, "help"},
      {{"-h"}, "help"},
      {{"--version"}, "version"},
      {{"--lang", "en", "a.chann"}, "lang=en file=a.chann"},
      {{"--lang=zh"}, "lang=zh"},
      {{"--lang", "fr"}, "error=" + std::to_string(badLang) + ":fr"},
      {{"--lang"}, "error=" + std::to_string(missing) + ":--lang"},
      {{"--port", "/dev/pts/4"}, "port=/dev/pts/4"},
      {{"--port=COM3", "x.chann"}, "port=COM3 file=x.chann"},
      {{"--port"}, "error=" + std::to_string(missing) + ":--port"},
      {{"--port="}, "error=" + std::to_string(missing) + ":--port"},
      {{"--colour"}, "error=" + std::to_string(unknown) + ":--colour"},
      {{"-x"}, "error=" + std::to_string(unknown) + ":-x"},
      {{"a.chann", "b.chann"}, "file=a.chann error=" + std::to_string(twoFiles) + ":b.chann"},
      // Qt's own options and their values are left to Qt.
      {{"-platform", "offscreen", "-reverse", "a.chann"}, "file=a.chann"},
      {{"-style=fusion"}, ""},
      {{"-platform"}, "error=" + std::to_string(missing) + ":-platform"},
      // After "--" a name that begins with '-' is a file.
      {{"--", "-odd.chann"}, "file=-odd.chann"},
      {{"-"}, "file=-"},
  };
  for (const auto& [words, expected] : rows) {
    std::string line;
    for (const auto& w : words) line += w + ' ';
    EXPECT_EQ(Parsed(words), expected) << line;
  }
}

TEST(DialogStart, SystemFoldersRefused) {
  const std::pair<const char*, bool> rows[] = {
      {"/home/dealer", true}, {"/", true},        {"/tmp", true},        {"/proc", false},
      {"/proc/1/fd", false},  {"/sys", false},    {"/sys/class", false}, {"/dev", false},
      {"/dev/pts", false},    {"/devices", true}, {"/process", true},    {"/system", true},
      {"/home/proc", true}};
  for (const auto& [folder, allowed] : rows) EXPECT_EQ(DialogMayStartIn(folder), allowed) << folder;
}

}  // namespace
