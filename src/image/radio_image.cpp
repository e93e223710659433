#include "image/radio_image.h"

#include <stdexcept>
#include <string>

namespace {
std::size_t Offset(int row, int col) {
  if (!RadioImage::Contains(row, col)) {
    throw std::out_of_range("radio image cell (" + std::to_string(row) + ", " +
                            std::to_string(col) + ") does not exist");
  }
  return static_cast<std::size_t>(row) * RadioImage::kCols + static_cast<std::size_t>(col);
}
}  // namespace

std::uint8_t& RadioImage::at(int row, int col) {
  return cells_[Offset(row, col)];
}
std::uint8_t RadioImage::at(int row, int col) const {
  return cells_[Offset(row, col)];
}
