#pragma once
// What a radio read back holds against what a write of the plan sends: rows 0 to 62,
// the blocks a write sends; row 63, the radio's own calibration, is never compared.
#include <string>
#include <vector>

#include "image/radio_image.h"

// The image a write of plan sends: the channel rows brought up to date and row 61
// stamped with the identification and modelCode.
RadioImage AsWritten(RadioImage plan, int modelCode);

// The blocks 0..62 in which radio differs from sent.
std::vector<int> DifferingBlocks(const RadioImage& radio, const RadioImage& sent);

// The same differences by name: channel fields as the grid shows them, optional
// features by their captions, other cells raw; "plan → radio". Empty when equal.
std::vector<std::string> RadioDifferenceLines(const RadioImage& radio, const RadioImage& sent,
                                              bool chinese);
