#pragma once
// Frequencies: typed in MHz as text, kept as an exact count of 10 Hz units,
// stored in the image as eight packed BCD digits, least significant byte first.
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RadioImage;

struct Freq10Hz {
  static constexpr std::int64_t kPerMHz = 100'000;
  // The largest frequency eight BCD digits hold: 999.99999 MHz.
  static constexpr std::int64_t kMaxStorable = 99'999'999;

  std::int64_t units = 0;

  static constexpr Freq10Hz MHz(std::int64_t mhz) { return {mhz * kPerMHz}; }
  friend constexpr auto operator<=>(Freq10Hz, Freq10Hz) = default;
};

// The limits the channel editors check a typed frequency against.
struct FreqRange {
  Freq10Hz low;
  Freq10Hz high;
};

// Shortest decimal text of x: no blanks, no trailing zeros, no point for a whole
// number, at most 15 significant digits ("136", "136.5", "88.125").
std::string NumberText(double x);
// NumberText(x) with one leading blank when x is not negative (" 400").
std::string NumberTextSpaced(double x);
// Numeric value of a typed text: leading blanks skipped, digits with at most one
// decimal point read up to the first other character; empty or non-numeric gives 0.
double TextValue(std::string_view s);
// The same reading, exact, in 10 Hz units (digits past the fifth decimal are cut).
// A value too large to be any frequency saturates at kTextValueCap.
inline constexpr std::int64_t kTextValueCap = 1'000'000'000'000'000;  // 10^10 MHz
Freq10Hz TextValue10Hz(std::string_view s);

// "136.12500": whole MHz, a point, five decimals.
std::string FreqText(Freq10Hz f);

// The frequency held by four BCD bytes b0..b3 (cells c..c+3). Nibbles above 9 are
// taken at face value, as the radio's own firmware would.
Freq10Hz FreqFromBcd(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
// Four BCD bytes, least significant first; f must be within 0..kMaxStorable.
std::array<std::uint8_t, 4> BcdFromFreq(Freq10Hz f);

// Display text of a stored frequency: 9 characters from 100 MHz, 8 below.
std::string FreqTextFromBcd(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);

// Snaps a typed frequency down onto the union of the 5 kHz and 6.25 kHz rasters.
Freq10Hz SnapToRaster(Freq10Hz f);

// Snaps f to the raster and writes it to cells (row, c..c+3). Returns the snapped
// frequency, or nothing (writing nothing) for a frequency of 1000 MHz or more,
// which eight BCD digits cannot hold.
std::optional<Freq10Hz> StoreFreq(RadioImage& image, int row, int c, Freq10Hz f);

// StoreFreq of the typed text, which is then replaced with the snapped text ("145"
// becomes "145000000", "145.5" "145.50000"). Returns false, writing nothing and
// leaving the text alone, where StoreFreq refuses.
bool StoreFreqText(RadioImage& image, std::string& text, int row, int c);

// FM broadcast channel text for code n: 87.0 + n * 0.1 MHz with one decimal.
std::string FmChannelText(int n);

// First channel 1..16 whose receive or transmit frequency (whole MHz) lies outside
// the band edges of row 59, or 0 when all are inside.
int FindChannelOutOfLimits(const RadioImage& image);
