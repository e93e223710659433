#pragma once
// Rows 48..51: two messages of up to 32 single-byte characters. Message 1 holds its
// characters 1..16 in row 48 and 17..32 in row 49, message 2 rows 50 and 51. Cells
// after the end of a message hold 255.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/radio_image.h"

inline constexpr int kMessageCount = 2;
inline constexpr int kMessageLength = 32;

// First of the two rows of message 1 or 2.
int MessageRow(int message);

// A character a message may hold: the blank and the codes 0x21..0x7F the radio shows.
inline constexpr bool MessageCharAllowed(char32_t c) {
  return c >= 0x20 && c <= 0x7F;
}

// The shown text: the codes 0x21..0x7F of the 32 cells in order, all else skipped.
std::string DecodeMessage(int message, const RadioImage& image);
// Stores the text trimmed of leading and trailing blanks, at most 32 characters.
void EncodeMessage(int message, std::string_view text, RadioImage& image);

// Number of characters after trimming leading and trailing blanks.
std::size_t TrimmedLength(std::string_view text);
// The text cut so that at most 32 characters remain once trimmed.
std::string_view CutToMessageLength(std::string_view text);
