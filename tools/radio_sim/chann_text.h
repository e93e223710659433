#pragma once
// The channel parameter file as the simulator reads and writes it: 256 lines of 16
// decimal numbers 0 to 255, rows 0 to 255, columns 0 to 15, CR LF line ends.
#include <array>
#include <cstdint>
#include <string>

using ChannRows = std::array<std::array<std::uint8_t, 16>, 256>;

// Spaces, commas and line ends all separate numbers. False with a reason in error
// when the file cannot be read, holds other characters, a number above 255, or
// fewer than 4096 numbers.
bool ReadChannText(const std::string& path, ChannRows& rows, std::string& error);
bool WriteChannText(const std::string& path, const ChannRows& rows, std::string& error);
std::string ChannText(const ChannRows& rows);
