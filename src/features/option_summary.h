#pragma once
// The main optional features as the options and power windows caption them, with the
// text each value shows: for listings of an image (the command line's show and diff,
// a printed channel sheet). Plain C++.
#include <string>
#include <vector>

class RadioImage;

// A caption in both languages, Chinese first.
struct CaptionPair {
  const char* zh;
  const char* en;
  const char* In(bool chinese) const { return chinese ? zh : en; }
};

// The options window's captions of the features the summary lists.
inline constexpr CaptionPair kSquelchCaption{"静噪等级", "Squelch Level"};
inline constexpr CaptionPair kVoxCaption{"声控等级", "VOX Level"};
inline constexpr CaptionPair kTotCaption{"发射超时定时器(秒)", "Time Out Timer(S)"};
inline constexpr CaptionPair kVoiceCaption{"语音提示", "Voice"};
inline constexpr CaptionPair kBeepCaption{"哔声", "Beep"};
inline constexpr CaptionPair kSaverCaption{"电池省电", "Battery Saver"};
// The power window's captions of the two levels.
inline constexpr CaptionPair kLowPowerCaption{"低功率", "Low Power"};
inline constexpr CaptionPair kHighPowerCaption{"高功率", "High Power"};

struct OptionLine {
  std::string caption;  // the window's caption, in the chosen language
  std::string value;    // what the window shows for the stored value
};

// Squelch level, VOX level, time-out timer, voice, beep, battery saver, and the low
// and high power levels of row 63, in that order.
std::vector<OptionLine> OptionSummary(const RadioImage& image, bool chinese);
