#pragma once
// Models and bands: the band table, the current band's limits, and the band
// edges in row 59 (two BCD bytes per edge, in units of 100 kHz).
#include <array>
#include <string>

inline constexpr int kBandRows = 7;
inline constexpr int kBandsOffered = 5;
extern std::array<std::string, 1> ModelName;
extern std::array<std::array<int, 2>, kBandRows> BandTable;  // [band][0 lower, 1 upper], MHz

// Fills ModelName and BandTable and takes the limits of BandIndex (no +1).
void InitModelAndBands();
// Writes row 59 from BandTable[b].
void StoreBandLimits(int b);
// FreqLow and FreqHigh from row 59 (whole MHz, tenths ignored, no +1).
void DecodeBandLimits();
// The whole-MHz edge stored at (59, c) and (59, c + 1).
int BandEdgeFromRow59(int c);
// Applies band b as the model dialog does: limits, BandIndex, FreqHigh + 1 and
// row 59. Returns the text of status panel 7 (" 400-- 470 MHZ").
std::string ApplyBand(int b);
// " 400-- 470 MHZ" for the edges low and high.
std::string BandPanelText(int low, int high);
