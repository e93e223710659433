#include "codec/frequency.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "image/radio_image.h"

namespace {

int Hi(std::uint8_t b) {
  return b >> 4;
}
int Lo(std::uint8_t b) {
  return b & 0x0F;
}

// Exact decimal text of units / 10^5 with trailing zeros (and a bare point) removed.
std::string ShortText(std::int64_t units) {
  const bool negative = units < 0;
  const std::uint64_t u =
      negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  std::string text = std::to_string(u / Freq10Hz::kPerMHz);
  std::string frac = std::to_string(u % Freq10Hz::kPerMHz);
  frac.insert(0, 5 - frac.size(), '0');
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  if (!frac.empty()) text += "." + frac;
  if (negative) text.insert(text.begin(), '-');
  return text;
}

}  // namespace

std::string NumberText(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", x);
  std::string text = buf;
  if (text == "-0") text = "0";
  return text;
}

std::string NumberTextSpaced(double x) {
  std::string text = NumberText(x);
  if (x >= 0) text.insert(text.begin(), ' ');
  return text;
}

namespace {
// Splits a typed number into its whole digits and fraction digits.
struct TypedNumber {
  std::string_view whole;
  std::string_view fraction;
};

TypedNumber ScanNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  const std::size_t wholeStart = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  TypedNumber n{s.substr(wholeStart, i - wholeStart), {}};
  if (i < s.size() && s[i] == '.') {
    const std::size_t fracStart = ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    n.fraction = s.substr(fracStart, i - fracStart);
  }
  return n;
}
}  // namespace

double TextValue(std::string_view s) {
  const TypedNumber n = ScanNumber(s);
  if (n.whole.empty() && n.fraction.empty()) return 0;
  std::string text(1, '0');  // a leading zero keeps ".5" a number
  text.append(n.whole);
  if (!n.fraction.empty()) {
    text.push_back('.');
    text.append(n.fraction);
  }
  return std::strtod(text.c_str(), nullptr);
}

Freq10Hz TextValue10Hz(std::string_view s) {
  const TypedNumber n = ScanNumber(s);
  std::int64_t units = 0;
  for (char d : n.whole) {
    units = units * 10 + (d - '0');
    if (units >= kTextValueCap / Freq10Hz::kPerMHz) return {kTextValueCap};
  }
  units *= Freq10Hz::kPerMHz;
  std::int64_t scale = Freq10Hz::kPerMHz / 10;
  for (std::size_t i = 0; i < n.fraction.size() && scale > 0; ++i, scale /= 10) {
    units += (n.fraction[i] - '0') * scale;
  }
  return {units};
}

std::string FreqText(Freq10Hz f) {
  const bool negative = f.units < 0;
  const std::uint64_t u =
      negative ? 0 - static_cast<std::uint64_t>(f.units) : static_cast<std::uint64_t>(f.units);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%llu.%05llu", negative ? "-" : "",
                static_cast<unsigned long long>(u / Freq10Hz::kPerMHz),
                static_cast<unsigned long long>(u % Freq10Hz::kPerMHz));
  return buf;
}

Freq10Hz FreqFromBcd(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  const int digits[8] = {Hi(b3), Lo(b3), Hi(b2), Lo(b2), Hi(b1), Lo(b1), Hi(b0), Lo(b0)};
  std::int64_t units = 0;
  for (int d : digits) units = units * 10 + d;
  return {units};
}

std::array<std::uint8_t, 4> BcdFromFreq(Freq10Hz f) {
  std::array<std::uint8_t, 4> bytes{};
  std::int64_t u = f.units;
  for (auto& b : bytes) {
    const int low = static_cast<int>(u % 10);
    u /= 10;
    const int high = static_cast<int>(u % 10);
    u /= 10;
    b = static_cast<std::uint8_t>(high * 16 + low);
  }
  return bytes;
}

std::string FreqTextFromBcd(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  // Always "whole.fffff": a damaged record below 10 MHz or above 999 MHz still
  // reads as the frequency it holds instead of a digit string without a point.
  return FreqText(FreqFromBcd(b0, b1, b2, b3));
}

Freq10Hz SnapToRaster(Freq10Hz f) {
  constexpr std::int64_t k5kHz = 500;
  constexpr std::int64_t k6p25kHz = 625;
  const std::int64_t a = f.units / k5kHz * k5kHz;
  const std::int64_t b = f.units / k6p25kHz * k6p25kHz;
  // The nearer point at or below f; on a tie the 5 kHz point (they are equal then).
  return {b > a ? b : a};
}

std::optional<Freq10Hz> StoreFreq(RadioImage& image, int row, int c, Freq10Hz f) {
  const Freq10Hz snapped = SnapToRaster(f);
  if (snapped.units < 0 || snapped.units > Freq10Hz::kMaxStorable) return std::nullopt;
  // The digits follow the frequency's own magnitude, whatever the band.
  const auto bytes = BcdFromFreq(snapped);
  for (int i = 0; i < 4; ++i) image.at(row, c + i) = bytes[static_cast<std::size_t>(i)];
  return snapped;
}

bool StoreFreqText(RadioImage& image, std::string& text, int row, int c) {
  const std::optional<Freq10Hz> f = StoreFreq(image, row, c, TextValue10Hz(text));
  if (!f) return false;
  std::string snapped = ShortText(f->units);
  if (snapped.size() < 9) snapped.append(9 - snapped.size(), '0');
  text = snapped;
  return true;
}

std::string FmChannelText(int n) {
  const int tenths = 870 + n;
  const int whole = tenths / 10;
  const int tenth = tenths % 10;
  if (tenths < 0) return NumberText(tenths / 10.0);
  return std::to_string(whole) + "." + std::to_string(tenth);
}

int FindChannelOutOfLimits(const RadioImage& image) {
  auto wholeMHz = [&](int row, int lowCol) {
    const std::uint8_t lowByte = image.at(row, lowCol);
    const std::uint8_t highByte = image.at(row, lowCol + 1);
    return 100 * Hi(highByte) + 10 * Lo(highByte) + Hi(lowByte);
  };
  const int low = wholeMHz(59, 0);
  const int high = wholeMHz(59, 2);
  for (int n = 1; n <= 16; ++n) {
    // Every channel that holds a receive frequency is checked, whatever its lowest
    // digits; an absent transmit frequency is not a frequency outside the band.
    if (image.at(n, 0) == RadioImage::kErased) continue;
    const int rx = wholeMHz(n, 2);
    if (rx < low || rx > high) return n;
    if (image.at(n, 4) == RadioImage::kErased) continue;
    const int tx = wholeMHz(n, 6);
    if (tx < low || tx > high) return n;
  }
  return 0;
}
