#pragma once
// The main optional features as the options and power windows caption them, with the
// text each value shows: for listings of an image (the command line's show and diff,
// a printed channel sheet). Plain C++.
#include <string>
#include <vector>

class RadioImage;

struct OptionLine {
  std::string caption;  // the window's caption, in the chosen language
  std::string value;    // what the window shows for the stored value
};

// Squelch level, VOX level, time-out timer, voice, beep, battery saver, and the low
// and high power levels of row 63, in that order.
std::vector<OptionLine> OptionSummary(const RadioImage& image, bool chinese);
