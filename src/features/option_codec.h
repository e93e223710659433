#pragma once
// Optional features, DTMF timing and side keys: where rows 59 to 62 keep them, and the
// rules by which typed text becomes those cells.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/radio_image.h"

// Working frequency range: each edge a BCD pair starting at its cell (see RangeEdge).
inline constexpr Cell kRangeLowCell{59, 0};
inline constexpr Cell kRangeHighCell{59, 2};
// Row 60: list indexes of the optional features and DTMF windows.
inline constexpr Cell kSquelchCell{60, 0};
inline constexpr Cell kVoxCell{60, 1};
inline constexpr Cell kTotCell{60, 2};
inline constexpr Cell kFirstDelayCell{60, 5};
inline constexpr Cell kDigitIntervalCell{60, 6};
inline constexpr Cell kDigitDurationCell{60, 7};
inline constexpr Cell kVoiceCell{60, 13};
// Side key functions: key 2 short and long press, key 3 short and long press.
inline constexpr Cell kSideKeyCells[4] = {{60, 8}, {60, 9}, {60, 10}, {60, 11}};

// Cell (60, 3): the feature flags. The optional features window owns every bit but
// the DTMF side tone, which belongs to the DTMF window; bit 4 belongs to nobody.
inline constexpr Cell kFlagsCell{60, 3};
inline constexpr std::uint8_t kPttIdMask = 0x03;
inline constexpr std::uint8_t kBeepBit = 0x04;
inline constexpr std::uint8_t kRogerBit = 0x08;
inline constexpr std::uint8_t kStopCodeOffBit = 0x20;  // 0: squelch tail elimination on
inline constexpr std::uint8_t kDtmfSideToneBit = 0x40;
inline constexpr std::uint8_t kSaverBit = 0x80;

// Sets or clears the bits of mask in cell, leaving the others.
void SetBit(std::uint8_t& cell, std::uint8_t mask, bool on);
// The cell with its PTT ID field (bits 0-1) replaced by index 0..3.
std::uint8_t WithPttId(std::uint8_t cell, int index);

// The entry a list of count entries shows for a stored value: beyond the list, the last.
int ListIndexFor(int stored, int count);
// The side key lists show code 0 for anything beyond them.
int KeyIndexFor(int stored, int count);

// Data password: one decimal digit per cell, (61, 6) to (61, 11), 255 past its end.
inline constexpr Cell kPasswordCell{61, 6};
inline constexpr std::size_t kPasswordLength = 6;
// ANI code: one hexadecimal digit per cell, (62, 0) to (62, 7), 255 past its end.
inline constexpr Cell kAniCell{62, 0};
inline constexpr std::size_t kAniLength = 8;

// The password the cells hold: their digits in order, anything else skipped.
std::string PasswordText(const RadioImage& image);
// All six cells 255, then the digit of each of the first six positions of text.
void StorePassword(std::string_view text, RadioImage& image);
// What a typed character adds to a password box holding length characters, if anything.
std::optional<char> PasswordKey(char32_t key, std::size_t length);
// Text as the keyboard would have let it in: digits only, at most six.
std::string PasswordEntry(std::u32string_view text);

std::string AniText(const RadioImage& image);
void StoreAni(std::string_view text, RadioImage& image);
// Letters a to f come in as capitals.
std::optional<char> AniKey(char32_t key, std::size_t length);
std::string AniEntry(std::u32string_view text);

// An edge of row 59 (working range or band) in whole MHz: the BCD pair at cell and the
// cell after it, units and tenths nibbles first, tenths ignored. None when a digit it
// uses is no decimal digit, as in an erased row.
std::optional<int> RangeEdge(const RadioImage& image, Cell edge);
// The edge as a report shows it: its decimal digits, or "?" for none.
std::string RangeEdgeText(const RadioImage& image, Cell edge);
// Writes whole MHz 0..999 into the pair (tenths nibble 0); anything else does not
// fit three BCD digits and writes nothing (returns false).
bool StoreRangeEdge(std::int64_t wholeMHz, Cell edge, RadioImage& image);

// DTMF list entries: first digit delay (index + 1) x 50 ms, digit interval and
// duration 50 + 25 x index ms.
inline constexpr int kFirstDelayEntries = 90;
inline constexpr int kDigitTimeEntries = 256;
inline constexpr int kLevelEntries = 10;  // squelch, VOX, time-out timer
inline constexpr int kVoiceEntries = 3;   // off, Chinese, English
inline constexpr int kKeyFunctionEntries = 8;

// The option, DTMF and key cells as their editors show them, stored: a list value
// beyond its list becomes the list's last entry (a key's: no function), and the
// password and ANI digits close up. An image entering the program passes here once.
// The scan row is left as the radio holds it: no window a user can reach shows it.
void NormaliseFeatureCells(RadioImage& image);
std::string FirstDelayText(int index);
std::string DigitTimeText(int index);
