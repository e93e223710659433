#include "features/option_codec.h"

#include <utility>

#include "image/radio_image.h"

void SetBit(std::uint8_t& cell, std::uint8_t mask, bool on) {
  cell = static_cast<std::uint8_t>(on ? (cell | mask) : (cell & ~mask));
}

std::uint8_t WithPttId(std::uint8_t cell, int index) {
  return static_cast<std::uint8_t>((cell & ~kPttIdMask) | (index & kPttIdMask));
}

int ListIndexFor(int stored, int count) {
  return stored > count - 1 ? count - 1 : stored;
}

int KeyIndexFor(int stored, int count) {
  return stored > count - 1 ? 0 : stored;
}

namespace {

int HexValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  return -1;
}

char HexDigit(int v) {
  return static_cast<char>(v < 10 ? '0' + v : 'A' + v - 10);
}

// Each cell of a digit field in order, its digit appended when below limit.
std::string DecodeDigits(const RadioImage& image, Cell first, std::size_t length, int limit) {
  std::string text;
  for (std::size_t k = 0; k < length; ++k) {
    const int v = image.at(first.row, first.col + static_cast<int>(k));
    if (v < limit) text += HexDigit(v);
  }
  return text;
}

// Cells erased first; position k of the text goes to cell k, when it is a digit below limit.
void StoreDigits(std::string_view text, RadioImage& image, Cell first, std::size_t length,
                 int limit) {
  for (std::size_t k = 0; k < length; ++k) {
    image.at(first.row, first.col + static_cast<int>(k)) = RadioImage::kErased;
  }
  for (std::size_t k = 0; k < text.size() && k < length; ++k) {
    const int v = HexValue(static_cast<unsigned char>(text[k]));
    if (v >= 0 && v < limit)
      image.at(first.row, first.col + static_cast<int>(k)) = static_cast<std::uint8_t>(v);
  }
}

}  // namespace

std::string PasswordText(const RadioImage& image) {
  return DecodeDigits(image, kPasswordCell, kPasswordLength, 10);
}

namespace {
// What a box keeps of a typed or pasted text: each character its key rule takes,
// given what it already holds.
std::string KeptEntry(std::u32string_view text,
                      std::optional<char> (*key)(char32_t, std::size_t length)) {
  std::string entry;
  for (char32_t c : text) {
    if (const auto digit = key(c, entry.size())) entry += *digit;
  }
  return entry;
}
}  // namespace

void StorePassword(std::string_view text, RadioImage& image) {
  StoreDigits(text, image, kPasswordCell, kPasswordLength, 10);
}

std::optional<char> PasswordKey(char32_t key, std::size_t length) {
  if (key < U'0' || key > U'9' || length >= kPasswordLength) return std::nullopt;
  return static_cast<char>(key);
}

std::string PasswordEntry(std::u32string_view text) {
  return KeptEntry(text, PasswordKey);
}

std::string AniText(const RadioImage& image) {
  return DecodeDigits(image, kAniCell, kAniLength, 16);
}

void StoreAni(std::string_view text, RadioImage& image) {
  StoreDigits(text, image, kAniCell, kAniLength, 16);
}

std::optional<char> AniKey(char32_t key, std::size_t length) {
  if (key >= U'a' && key <= U'f') key = key - U'a' + U'A';
  if (HexValue(key) < 0 || length >= kAniLength) return std::nullopt;
  return static_cast<char>(key);
}

std::string AniEntry(std::u32string_view text) {
  return KeptEntry(text, AniKey);
}

std::optional<int> RangeEdge(const RadioImage& image, Cell edge) {
  const int units = image.at(edge) >> 4;
  const int hundreds = image.at(edge.row, edge.col + 1) >> 4;
  const int tens = image.at(edge.row, edge.col + 1) & 0x0F;
  if (units > 9 || hundreds > 9 || tens > 9) return std::nullopt;
  return 100 * hundreds + 10 * tens + units;
}

std::string RangeEdgeText(const RadioImage& image, Cell edge) {
  const std::optional<int> mhz = RangeEdge(image, edge);
  return mhz ? std::to_string(*mhz) : std::string("?");
}

bool StoreRangeEdge(std::int64_t wholeMHz, Cell edge, RadioImage& image) {
  if (wholeMHz < 0 || wholeMHz > 999) return false;
  const int mhz = static_cast<int>(wholeMHz);
  image.at(edge) = static_cast<std::uint8_t>(16 * (mhz % 10));
  image.at(edge.row, edge.col + 1) = static_cast<std::uint8_t>(16 * (mhz / 100) + mhz / 10 % 10);
  return true;
}

std::string FirstDelayText(int index) {
  return std::to_string((index + 1) * 50);
}

std::string DigitTimeText(int index) {
  return std::to_string(50 + 25 * index);
}

void NormaliseFeatureCells(RadioImage& image) {
  const std::pair<Cell, int> lists[] = {{kSquelchCell, kLevelEntries},
                                        {kVoxCell, kLevelEntries},
                                        {kTotCell, kLevelEntries},
                                        {kVoiceCell, kVoiceEntries},
                                        {kFirstDelayCell, kFirstDelayEntries},
                                        {kDigitIntervalCell, kDigitTimeEntries},
                                        {kDigitDurationCell, kDigitTimeEntries}};
  for (const auto& [cell, count] : lists)
    image.at(cell) = static_cast<std::uint8_t>(ListIndexFor(image.at(cell), count));
  for (const Cell cell : kSideKeyCells)
    image.at(cell) = static_cast<std::uint8_t>(KeyIndexFor(image.at(cell), kKeyFunctionEntries));
  StorePassword(PasswordText(image), image);
  StoreAni(AniText(image), image);
}
