#include "image/radio_image.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(RadioImageTest, AddressesOutsideTheTableFailLoudly) {
  RadioImage image;
  const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {301, 0}, {0, 33}, {300, 33}, {1000, 1}};
  for (const auto& [r, c] : outside) {
    EXPECT_THROW(image.at(r, c), std::out_of_range) << r << "," << c;
    EXPECT_THROW(std::as_const(image).at(r, c), std::out_of_range) << r << "," << c;
  }
  image.at(300, 32) = 7;
  image.at(0, 0) = 9;
  EXPECT_EQ(image.at(300, 32), 7);
  EXPECT_EQ(image.at(0, 0), 9);
}

TEST(RadioImageTest, CellsAreIndependent) {
  RadioImage image;
  image.Fill(0);
  image.at(1, 32) = 1;
  image.at(2, 0) = 2;
  EXPECT_EQ(image.at(1, 31), 0);
  EXPECT_EQ(image.at(2, 1), 0);
  EXPECT_EQ(image.at(1, 32), 1);
  EXPECT_EQ(image.at(2, 0), 2);
}

}  // namespace
