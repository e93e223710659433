#pragma once
// Row 253, columns 0..15: the 16 FM broadcast channels, kept by the program and the
// channel file only. Code 0..210 is 87.0 + 0.1 * code MHz; anything above is empty.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/radio_image.h"

inline constexpr int kFmRow = 253;
inline constexpr int kFmChannels = 16;
inline constexpr int kFmLastCode = 210;
inline constexpr std::uint8_t kFmEmpty = 0xFF;
// The cell of FM channel n (0..15).
constexpr Cell FmCell(int n) {
  return {kFmRow, n};
}
// The receiver's band, in tenths of a MHz.
inline constexpr int kFmLowTenths = 870;
inline constexpr int kFmHighTenths = 1080;

// The code of a typed frequency: whole 0.1 MHz steps up from 87.0, read exactly from
// the decimal text ("87.35" gives 3). Empty when the value lies outside 87.0..108.0
// or the text holds no number.
std::optional<std::uint8_t> FmCodeFromText(std::string_view text);

// The grid text of a stored code: empty above 210.
std::string FmCellText(std::uint8_t stored);

// What a frequency cell shows once an edit of it is committed, and whether the
// out-of-range warning goes with it.
struct FmCommit {
  std::string text;
  bool outOfRange = false;
};
FmCommit CommitFmText(std::string_view typed);

// The stored code of a cell text: 255 unless FmCodeFromText finds a code.
std::uint8_t FmStoredCode(std::string_view cellText);
