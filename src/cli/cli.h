#pragma once
// rt410, the command-line programmer: what its commands share. Qt Core only.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "image/radio_image.h"
#include "link/port_ops.h"
#include "shell/radio_document.h"

namespace cli {

enum Exit : int {
  kSuccess = 0,
  kFailed = 1,  // the radio failed, or verify/diff found differences
  kUsage = 2,   // bad usage, an unreadable or invalid file, a refusal to overwrite
};

// A command line taken apart by the command's option list, with the settings of the
// run it chose (the language of every message).
struct Args {
  explicit Args(const AppSettings& runSettings) : settings(runSettings) {}

  const AppSettings& settings;
  std::string command;
  std::vector<std::string> positional;
  // By long name, without "--"; every value of an option given more than once.
  std::map<std::string, std::vector<std::string>> values;
  std::set<std::string> flags;
  // The last value given.
  std::optional<std::string> Value(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? std::nullopt : std::optional(it->second.back());
  }
  std::vector<std::string> Values(const std::string& name) const {
    const auto it = values.find(name);
    return it == values.end() ? std::vector<std::string>{} : it->second;
  }
  bool Flag(const std::string& name) const { return flags.count(name) != 0; }
  // The text of a Chinese/English pair in the chosen language.
  const char* T(const char* chinese, const char* english) const {
    return settings.Text(chinese, english);
  }
  bool Chinese() const { return settings.LangChinese; }
};

// One line on stderr, and on stdout.
void Err(const std::string& text);
void Out(const std::string& text);
// A person watches stderr: progress may be drawn there.
bool StderrIsTerminal();
// "rt410 CMD: text" on stderr and the usage hint; returns kUsage.
int UsageError(const Args& args, const std::string& text);

// Loads a channel file over the start-up image with the open dialog's whole-file
// check and lets it enter document as an opened file enters the windows' document:
// erased rows and feature cells normalised, the limits from row 59. On failure prints
// the reason, leaves document as it was and returns false.
bool OpenChannFile(const AppSettings& settings, const std::string& path, RadioDocument& document);
// The same for a command that only needs the image; nullopt on failure.
std::optional<RadioImage> LoadChannFile(const AppSettings& settings, const std::string& path);
// Writes the channel file atomically; without force an existing file is refused.
// Prints the reason and returns false on failure.
bool SaveChannFile(const AppSettings& settings, const std::string& path, const RadioImage& image,
                   bool force);
// Text file or stdout ("-").
std::optional<std::string> ReadTextFile(const AppSettings& settings, const std::string& path,
                                        std::size_t maxBytes);
// False, with the message printed, when path exists and force is not given.
bool MayWrite(const AppSettings& settings, const std::string& path, bool force);
bool WriteTextFile(const AppSettings& settings, const std::string& path, const std::string& text,
                   bool force);

// --band N: 0..4, or a usage error printed.
std::optional<int> BandOption(const Args& args, bool& bad);

// A port as -p names it: a device path, or COMn by the program's port rule.
PortId PortNamed(const std::string& value);
// --password DIGITS over the password cells of image; false after a usage error.
bool PasswordOption(const Args& args, const RadioImage& image,
                    std::array<std::uint8_t, 6>& password);
// The model code a write of image stamps: --band, or the band of row 59.
std::optional<int> ModelCode(const Args& args, const RadioImage& image);
// "2.512 s".
std::string Seconds(double s);

int Show(const Args& args);
int Diff(const Args& args);
int ExportCsv(const Args& args);
int ImportCsv(const Args& args);
int Sheet(const Args& args);
int Ports(const Args& args);
int Read(const Args& args);
int Write(const Args& args);
int Verify(const Args& args);
int Clone(const Args& args);

// The help of the tool (empty command) or of one command.
std::string HelpText(const AppSettings& settings, const std::string& command);

}  // namespace cli
