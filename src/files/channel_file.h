#pragma once
// The channel parameter file: rows 0..255, columns 0..15 of the radio image as
// text, one line of 16 decimal numbers per row. Plain C++: text in, text out; the
// dialogs do the reading and writing of the file itself.
#include <cstddef>
#include <string>
#include <string_view>

#include "image/radio_image.h"

inline constexpr int kChannelFileRows = 256;
inline constexpr int kChannelFileCols = 16;
inline constexpr int kChannelFileNumbers = kChannelFileRows * kChannelFileCols;
// Far beyond any channel file (about 15 KB); bigger files are not read at all.
inline constexpr std::size_t kChannelFileMaxBytes = 1024 * 1024;

// The file as written: numbers separated by one space, every line ending in CR LF.
std::string ChannelFileText(const RadioImage& image);

enum class ChannelFileFault {
  None,
  TooLarge,        // more than kChannelFileMaxBytes
  TooFewNumbers,   // the text ends before the 4096th number
  TooManyNumbers,  // more whole numbers follow the 4096th (a line twice shifts every cell)
  NotANumber,      // an item that is not a whole decimal number
  OutOfRange,      // a whole number above 255, or a negative one
};

struct ChannelFileCheck {
  ChannelFileFault fault = ChannelFileFault::None;
  int numbers = 0;   // good numbers before the fault (all 4096 when loaded; TooManyNumbers: all)
  int line = 0;      // NotANumber, OutOfRange: 1-based line of the item
  int position = 0;  // and 1-based character position in that line
  std::string item;  // the item, printable and shortened for a message
  bool Loaded() const { return fault == ChannelFileFault::None; }
};

// Reads 4096 numbers from text; spaces, tabs, commas and line ends all separate
// them. After the 4096th, further whole numbers refuse the file (their count is in
// numbers); other text there is ignored. The whole text is checked
// first: the image changes only when every number is good, and then only in
// rows 0..255, columns 0..15.
ChannelFileCheck LoadChannelFileText(std::string_view text, RadioImage& image);

// The name typed into a channel file dialog, checked in the order the dialogs
// report: a forbidden character first, then the suffix.
enum class ChannelFileName { Good, InvalidName, WrongSuffix };
// The name with leading and trailing spaces removed.
std::string TrimmedChannelFileName(std::string_view typed);
ChannelFileName CheckChannelFileName(std::string_view typed);
