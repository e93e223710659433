#pragma once
// Listings of an image for people: the channels as the grid shows them, the band and
// the main optional features, and what differs between two images. Plain C++.
#include <array>
#include <string>
#include <vector>

#include "image/radio_image.h"

// The grid's header texts, columns 0..8, without the centring marks.
std::array<std::string, 9> GridHeaderTexts(bool chinese);

// Table of the 16 channels with the grid's columns and cell texts, then the working
// frequency range of row 59 and the main optional features. Lines end in "\n".
std::string ShowText(const RadioImage& image, bool chinese);

// True when rows 0..255, columns 0..15 (what a channel file holds) are the same.
bool SameChannelFileCells(const RadioImage& a, const RadioImage& b);

// What differs between a and b in rows 0..255, columns 0..15: channel fields by
// their grid texts ("channel 2 receive: 136.12500 → 136.13750"), optional features
// by their captions, and every other cell raw ("row 61 column 5: 3 → 0"). Empty
// exactly when SameChannelFileCells.
std::vector<std::string> DiffLines(const RadioImage& a, const RadioImage& b, bool chinese);

// Columns a terminal gives text: two for East Asian wide characters, one for others.
int DisplayWidth(const std::string& utf8);
