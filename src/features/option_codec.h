#pragma once
// Optional features, DTMF timing and side keys: where rows 59 to 62 keep them, and the
// rules by which typed text becomes those cells.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RadioImage;

// Cell (60, 3): the feature flags. The optional features window owns every bit but
// the DTMF side tone, which belongs to the DTMF window; bit 4 belongs to nobody.
inline constexpr int kFlagsRow = 60;
inline constexpr int kFlagsCol = 3;
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
inline constexpr int kPasswordRow = 61;
inline constexpr int kPasswordFirstCol = 6;
inline constexpr std::size_t kPasswordLength = 6;
// ANI code: one hexadecimal digit per cell, (62, 0) to (62, 7), 255 past its end.
inline constexpr int kAniRow = 62;
inline constexpr int kAniFirstCol = 0;
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

// Working frequency range in row 59: an edge in whole MHz as the BCD pair at
// (59, col), (59, col + 1), tenths ignored.
int RangeEdge(const RadioImage& image, int col);
// Writes whole MHz 0..999 into the pair (tenths nibble 0); anything else does not
// fit three BCD digits and writes nothing (returns false).
bool StoreRangeEdge(std::int64_t wholeMHz, int col, RadioImage& image);

// DTMF list entries: first digit delay (index + 1) x 50 ms, digit interval and
// duration 50 + 25 x index ms.
inline constexpr int kFirstDelayEntries = 90;
inline constexpr int kDigitTimeEntries = 256;
std::string FirstDelayText(int index);
std::string DigitTimeText(int index);
