#pragma once
// The tone list: position 0 no tone, 1..50 CTCSS, 51..155 DCS normal,
// 156..260 DCS inverted. The texts keep their exact spaces.
#include <array>
#include <cstdint>
#include <string>

inline constexpr int kToneTableSize = 301;
inline constexpr int kToneLastCtcss = 50;
inline constexpr int kToneLastDcs = 155;
inline constexpr int kToneLast = 260;

// The tone list's text at position, as built once; "" outside 0..260.
const std::string& ToneTableEntry(int position);

// A tone as two bytes of a channel record.
struct StoredTone {
  std::uint8_t polarity = 0;  // 0 CTCSS or normal DCS; non-zero inverted DCS
  std::uint8_t code = 0;      // position of the tone in its normal form
  friend bool operator==(StoredTone, StoredTone) = default;
};

// List position 0..260 (0 no tone) to its stored form.
StoredTone EncodeTone(int listPosition);
// The list position a stored tone displays as; 0 for no tone. A code above the
// DCS range displays position 0 (normal) or its inverted twin of position 0.
int DecodeTone(StoredTone tone);
// True when the stored bytes mean no tone: (0xFF, 0xFF) or (0, 0).
bool IsNoTone(StoredTone tone);
// The text an editor shows: noToneWord for no tone, else ToneTable(position).
std::string ToneText(StoredTone tone, const std::string& noToneWord);
