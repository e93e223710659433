#include "shell/model_band.h"

#include <stdexcept>

#include "features/option_codec.h"

namespace {
const std::array<int, 2>& Edges(int b) {
  return kBandEdges.at(static_cast<std::size_t>(b));
}
}  // namespace

BandLimits BandTableLimits(int b) {
  return {Freq10Hz::MHz(Edges(b)[0]), Freq10Hz::MHz(Edges(b)[1])};
}

void StoreBandLimits(int b, RadioImage& image) {
  // The dialog writes the three digits of each edge; every offered band has them.
  for (int edge : Edges(b)) {
    if (edge < 100 || edge > 999) throw std::out_of_range("band edge without three digits");
  }
  StoreRangeEdge(Edges(b)[0], kRangeLowCell, image);
  StoreRangeEdge(Edges(b)[1], kRangeHighCell, image);
}

std::optional<BandLimits> DecodeBandLimits(const RadioImage& image) {
  const std::optional<int> low = RangeEdge(image, kRangeLowCell);
  const std::optional<int> high = RangeEdge(image, kRangeHighCell);
  if (!low || !high) return std::nullopt;
  return BandLimits{Freq10Hz::MHz(*low), Freq10Hz::MHz(*high)};
}

BandState ApplyBand(int b, RadioImage& image) {
  StoreBandLimits(b, image);
  // A frequency up to one MHz above the upper edge is accepted from now on.
  return {{Freq10Hz::MHz(Edges(b)[0]), Freq10Hz::MHz(Edges(b)[1] + 1)}, b};
}

std::string BandPanelText(int low, int high) {
  return NumberTextSpaced(low) + "--" + NumberTextSpaced(high) + " MHZ";
}

std::string BandPanelText(int b) {
  return BandPanelText(Edges(b)[0], Edges(b)[1]);
}

const std::array<int, 2>& BandEdgesOf(int b) {
  return Edges(b);
}

std::optional<int> BandHolding(const BandLimits& limits, int current) {
  const auto holds = [&](int b) {
    return limits.low >= Freq10Hz::MHz(Edges(b)[0]) && limits.high <= Freq10Hz::MHz(Edges(b)[1]);
  };
  if (current >= 0 && current < kBandsOffered && holds(current)) return current;
  for (int b = 0; b < kBandsOffered; ++b) {
    if (holds(b)) return b;
  }
  return std::nullopt;
}

std::optional<int> BandOfRow59(const RadioImage& image) {
  const std::optional<int> low = RangeEdge(image, kRangeLowCell);
  const std::optional<int> high = RangeEdge(image, kRangeHighCell);
  if (!low || !high) return std::nullopt;
  for (int b = 0; b < kBandsOffered; ++b) {
    if (Edges(b)[0] == *low && Edges(b)[1] == *high) return b;
  }
  return std::nullopt;
}

std::optional<int> WriteModelCode(const RadioImage& image, std::optional<int> chosen) {
  if (chosen) return chosen;
  return BandOfRow59(image);
}
