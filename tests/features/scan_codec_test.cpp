#include "features/scan_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(ScanCodecTest, StoredLookBackFindsAnEntryAndChosenEntriesRoundTrip) {
  const std::pair<int, int> stored[] = {{0, 0},   {1, 0},   {2, 1},    {90, 89},
                                        {91, 90}, {92, 89}, {200, 89}, {255, 89}};
  for (const auto& [value, index] : stored) {
    EXPECT_EQ(LookBackIndex(static_cast<std::uint8_t>(value)), index) << value;
  }
  for (int i = 0; i < kLookBackEntries; ++i) EXPECT_EQ(LookBackIndex(LookBackCode(i)), i) << i;
  EXPECT_EQ(LookBackText(9), "0.95");
  EXPECT_EQ(LookBackText(10), "1.00");
}

TEST(ScanCodecTest, RevertCodesByPriorityMode) {
  struct Case {
    int mode, stored, index, code;
  };
  const Case cases[] = {
      {0, 0, 0, 0}, {0, 1, 1, 1}, {0, 2, 1, 1}, {0, 255, 1, 1},  // priority codes fall to 1
      {1, 0, 0, 0}, {1, 3, 3, 3}, {1, 4, 3, 3},                  //
      {2, 2, 0, 2}, {2, 3, 1, 3}, {2, 0, 0, 2}, {2, 1, 1, 3},   {2, 255, 1, 3},
  };
  for (const Case& c : cases) {
    const int index = RevertIndex(c.mode, static_cast<std::uint8_t>(c.stored));
    EXPECT_EQ(index, c.index) << c.mode << "/" << c.stored;
    EXPECT_EQ(RevertCode(c.mode, index), c.code) << c.mode << "/" << c.stored;
  }
}

TEST(ScanCodecTest, AnEnteringRowIsStoredAsTheWindowShowsIt) {
  struct Case {
    std::array<int, 9> stored;
    std::array<int, 9> kept;
  };
  const Case cases[] = {
      // Never written by the radio: left as it is.
      {{255, 255, 255, 255, 255, 255, 255, 255, 255},
       {255, 255, 255, 255, 255, 255, 255, 255, 255}},
      // Beyond every list: the entries shown; the priority channel is no list.
      {{5, 3, 1, 200, 9, 0x2D, 0x01, 0xFF, 0xFF}, {2, 3, 0, 90, 3, 0x2C, 0x01, 0x2C, 0x01}},
      {{1, 99, 2, 91, 4, 0, 0, 10, 0}, {1, 99, 2, 91, 3, 0, 0, 10, 0}},
      {{0, 16, 0, 0, 2, 44, 1, 0, 0}, {0, 16, 0, 0, 1, 44, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    RadioImage image;
    for (int col = 0; col < 9; ++col)
      image.at(kScanRow, col) = static_cast<std::uint8_t>(c.stored[col]);
    NormaliseScanRow(image);
    for (int col = 0; col < 9; ++col) EXPECT_EQ(image.at(kScanRow, col), c.kept[col]) << col;
  }
  // Once stored as shown, a row stays as it is.
  std::mt19937 random(22);
  for (int round = 0; round < 500; ++round) {
    RadioImage image;
    for (int col = 0; col < 9; ++col) image.at(kScanRow, col) = static_cast<std::uint8_t>(random());
    NormaliseScanRow(image);
    const RadioImage once = image;
    NormaliseScanRow(image);
    EXPECT_TRUE(image == once) << round;
  }
}

}  // namespace
