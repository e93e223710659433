#pragma once
// Models and bands: the band table, the band limits the channel editors check
// against, and the band edges in row 59 (two BCD bytes per edge, units of 100 kHz).
// The rules take the image and return what changes; the document keeps the result.
#include <array>
#include <optional>
#include <string>

#include "codec/frequency.h"
#include "image/radio_image.h"

inline constexpr int kBandRows = 7;
inline constexpr int kBandsOffered = 5;
// [band][0 lower, 1 upper], whole MHz; rows 5 and 6 are never offered.
using BandEdges = std::array<std::array<int, 2>, kBandRows>;
inline constexpr BandEdges kBandEdges = {
    {{136, 174}, {245, 250}, {350, 390}, {400, 470}, {465, 520}, {0, 0}, {0, 0}}};
inline constexpr const char* kModelName = "RT410";

// The limits a typed channel frequency is checked against.
struct BandLimits {
  Freq10Hz low;
  Freq10Hz high;
  friend bool operator==(const BandLimits&, const BandLimits&) = default;
};

// What a band rule leaves for the document: the limits (FreqLow, FreqHigh) and, when
// a band was chosen, its index (BandIndex, and its edges as FreqLowInt and FreqHighInt).
struct BandState {
  BandLimits limits;
  std::optional<int> band = std::nullopt;
};

// Band b's edges as they stand in the table (no +1).
BandLimits BandTableLimits(int b);
// Writes row 59 from band b's edges.
void StoreBandLimits(int b, RadioImage& image);
// The edges row 59 holds (whole MHz, tenths ignored, no +1); none when they are not
// decimal digits (an erased radio or file), and then the limits stay as they are.
std::optional<BandLimits> DecodeBandLimits(const RadioImage& image);
// Applies band b as the model dialog does: row 59 from the table, and limits that
// accept up to one MHz above the upper edge.
BandState ApplyBand(int b, RadioImage& image);
// " 400-- 470 MHZ": status panel 7 for the edges low and high.
std::string BandPanelText(int low, int high);
std::string BandPanelText(int b);
// Band b's whole-MHz edges.
const std::array<int, 2>& BandEdgesOf(int b);
// The offered band whose edges row 59 holds exactly; none for any other range.
// The band that range limits lie in: the current band when they lie in it, else the
// first offered band that holds them; none when no band does.
std::optional<int> BandHolding(const BandLimits& limits, int current);
std::optional<int> BandOfRow59(const RadioImage& image);
// The model code a write of image stamps: the band chosen for it when there is one,
// else the band of row 59; none when neither says.
std::optional<int> WriteModelCode(const RadioImage& image, std::optional<int> chosen);
