#include "features/option_summary.h"

#include <array>

#include "features/option_codec.h"
#include "image/radio_image.h"

namespace {

// Row 63 is the power block the link adjusts; the summary only shows its two levels.
constexpr Cell kLowLevelCell{63, 0};
constexpr Cell kHighLevelCell{63, 1};

const char* Pick(bool chinese, const char* zh, const char* en) {
  return chinese ? zh : en;
}

// The entry a drop-down of these entries shows for the stored value.
std::string ListEntry(const std::vector<std::string>& entries, int stored) {
  return entries[static_cast<std::size_t>(ListIndexFor(stored, static_cast<int>(entries.size())))];
}

std::vector<std::string> Levels() {
  std::vector<std::string> levels;
  for (int i = 0; i <= 9; ++i) levels.push_back(std::to_string(i));
  return levels;
}

}  // namespace

std::vector<OptionLine> OptionSummary(const RadioImage& image, bool chinese) {
  std::vector<std::string> tot = {Pick(chinese, "关", "Off")};
  for (int i = 1; i <= 9; ++i) tot.push_back(std::to_string(30 * i));
  const std::vector<std::string> voice = {Pick(chinese, "关", "Off"),
                                          Pick(chinese, "中文", "Chinese"),
                                          Pick(chinese, "英语", "English")};
  const std::uint8_t flags = image.at(kFlagsCell);
  auto onOff = [chinese](bool on) {
    return std::string(on ? Pick(chinese, "开", "On") : Pick(chinese, "关", "Off"));
  };
  return {
      {kSquelchCaption.In(chinese), ListEntry(Levels(), image.at(kSquelchCell))},
      {kVoxCaption.In(chinese), ListEntry(Levels(), image.at(kVoxCell))},
      {kTotCaption.In(chinese), ListEntry(tot, image.at(kTotCell))},
      {kVoiceCaption.In(chinese), ListEntry(voice, image.at(kVoiceCell))},
      {kBeepCaption.In(chinese), onOff((flags & kBeepBit) != 0)},
      {kSaverCaption.In(chinese), onOff((flags & kSaverBit) != 0)},
      {kLowPowerCaption.In(chinese), std::to_string(image.at(kLowLevelCell))},
      {kHighPowerCaption.In(chinese), std::to_string(image.at(kHighLevelCell))},
  };
}
