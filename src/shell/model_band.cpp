#include "shell/model_band.h"

#include <stdexcept>

#include "codec/frequency.h"
#include "image/radio_image.h"
#include "shell/state.h"

std::array<std::string, 1> ModelName;
std::array<std::array<int, 2>, kBandRows> BandTable{};

void InitModelAndBands() {
  ModelName[0] = "RT410";
  BandTable = {{{136, 174}, {245, 250}, {350, 390}, {400, 470}, {465, 520}, {0, 0}, {0, 0}}};
  const auto& band = BandTable.at(static_cast<std::size_t>(BandIndex));
  FreqLow = Freq10Hz::MHz(band[0]);
  FreqHigh = Freq10Hz::MHz(band[1]);
  FreqLowInt = band[0];
  FreqHighInt = band[1];
}

void StoreBandLimits(int b) {
  const auto& band = BandTable.at(static_cast<std::size_t>(b));
  for (int edge = 0; edge < 2; ++edge) {
    // Three digits d1 d2 d3 (hundreds, tens, units); the tenths nibble is written 0.
    const int mhz = band[static_cast<std::size_t>(edge)];
    if (mhz < 100 || mhz > 999) throw std::out_of_range("band edge without three digits");
    const int d1 = mhz / 100, d2 = mhz / 10 % 10, d3 = mhz % 10;
    Image(59, 2 * edge) = static_cast<std::uint8_t>(16 * d3);
    Image(59, 2 * edge + 1) = static_cast<std::uint8_t>(16 * d1 + d2);
  }
}

int BandEdgeFromRow59(int c) {
  const std::uint8_t low = Image(59, c);
  const std::uint8_t high = Image(59, c + 1);
  return 100 * (high >> 4) + 10 * (high & 0x0F) + (low >> 4);
}

void DecodeBandLimits() {
  FreqLow = Freq10Hz::MHz(BandEdgeFromRow59(0));
  FreqHigh = Freq10Hz::MHz(BandEdgeFromRow59(2));
}

std::string BandPanelText(int low, int high) {
  return NumberTextSpaced(low) + "--" + NumberTextSpaced(high) + " MHZ";
}

std::string ApplyBand(int b) {
  const auto& band = BandTable.at(static_cast<std::size_t>(b));
  FreqLow = Freq10Hz::MHz(band[0]);
  FreqHigh = Freq10Hz::MHz(band[1]);
  FreqLowInt = band[0];
  FreqHighInt = band[1];
  BandIndex = b;
  const std::string panel = BandPanelText(band[0], band[1]);
  // A frequency up to one MHz above the upper edge is accepted from now on.
  FreqHigh = Freq10Hz::MHz(band[1] + 1);
  StoreBandLimits(b);
  return panel;
}
