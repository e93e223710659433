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

TEST(StartOptions, Lines) {
  struct Row {
    std::vector<std::string> words;
    StartError error;
    std::string bad;
    std::optional<bool> chinese;
    std::string port;
    std::string file;
    bool help = false;
    bool version = false;
  };
  const Row rows[] = {
      {{}, StartError::None, "", kNone, "", ""},
      {{"--help"}, StartError::None, "", kNone, "", "", true},
      {{"-h"}, StartError::None, "", kNone, "", "", true},
      {{"--version"}, StartError::None, "", kNone, "", "", false, true},
      {{"--lang", "en", "a.chann"}, StartError::None, "", kEn, "", "a.chann"},
      {{"--lang=zh"}, StartError::None, "", kZh, "", ""},
      {{"--lang", "fr"}, StartError::BadLanguage, "fr", kNone, "", ""},
      {{"--lang"}, StartError::MissingValue, "--lang", kNone, "", ""},
      {{"--port", "/dev/pts/4"}, StartError::None, "", kNone, "/dev/pts/4", ""},
      {{"--port=COM3", "x.chann"}, StartError::None, "", kNone, "COM3", "x.chann"},
      {{"--port"}, StartError::MissingValue, "--port", kNone, "", ""},
      {{"--port="}, StartError::MissingValue, "--port", kNone, "", ""},
      {{"--colour"}, StartError::UnknownOption, "--colour", kNone, "", ""},
      {{"-x"}, StartError::UnknownOption, "-x", kNone, "", ""},
      {{"a.chann", "b.chann"}, StartError::TwoFiles, "b.chann", kNone, "", "a.chann"},
      // Qt's own options and their values are left to Qt.
      {{"-platform", "offscreen", "-reverse", "a.chann"},
       StartError::None,
       "",
       kNone,
       "",
       "a.chann"},
      {{"-style=fusion"}, StartError::None, "", kNone, "", ""},
      {{"-platform"}, StartError::MissingValue, "-platform", kNone, "", ""},
      // After "--" a name that begins with '-' is a file.
      {{"--", "-odd.chann"}, StartError::None, "", kNone, "", "-odd.chann"},
      {{"-"}, StartError::None, "", kNone, "", "-"},
  };
  for (const Row& row : rows) {
    const StartOptions options = ParseStartOptions(row.words);
    std::string line;
    for (const auto& w : row.words) line += w + ' ';
    EXPECT_EQ(options.error, row.error) << line;
    EXPECT_EQ(options.bad, row.bad) << line;
    EXPECT_EQ(options.chinese, row.chinese) << line;
    EXPECT_EQ(options.port, row.port) << line;
    EXPECT_EQ(options.file, row.file) << line;
    EXPECT_EQ(options.help, row.help) << line;
    EXPECT_EQ(options.version, row.version) << line;
    if (options.error != StartError::None) {
      EXPECT_NE(StartErrorText(options, false).find(row.bad), std::string::npos) << line;
      EXPECT_NE(StartErrorText(options, true).find(row.bad), std::string::npos) << line;
    }
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
