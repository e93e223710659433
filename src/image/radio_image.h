#pragma once
// The radio image: the program's one copy of the radio's memory, plus rows that
// exist only here. Row n, columns 0..15 is the radio's 16-byte block n (n = 0..63).
#include <array>
#include <cstdint>

// One named cell of the image: row and column.
struct Cell {
  int row;
  int col;
};

class RadioImage {
 public:
  static constexpr int kRows = 301;
  static constexpr int kCols = 33;
  static constexpr int kRadioBlocks = 64;
  static constexpr int kBlockBytes = 16;
  static constexpr std::uint8_t kErased = 0xFF;

  RadioImage() { cells_.fill(0); }

  // An address outside the table is a programming error: throws std::out_of_range.
  std::uint8_t& at(int row, int col);
  std::uint8_t at(int row, int col) const;
  std::uint8_t& at(Cell c) { return at(c.row, c.col); }
  std::uint8_t at(Cell c) const { return at(c.row, c.col); }

  static bool Contains(int row, int col) {
    return row >= 0 && row < kRows && col >= 0 && col < kCols;
  }

  void Fill(std::uint8_t value) { cells_.fill(value); }
  bool operator==(const RadioImage&) const = default;

 private:
  std::array<std::uint8_t, static_cast<std::size_t>(kRows) * kCols> cells_{};
};
