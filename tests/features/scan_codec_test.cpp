#include "features/scan_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanCodecTest, LookBackEntriesTextsAndCodes) {
  struct Case {
    int index;
    const char* text;
    int code;
  };
  const Case cases[] = {{0, "0.50", 0},   {1, "0.55", 2},   {9, "0.95", 10}, {10, "1.00", 11},
                        {11, "1.05", 12}, {89, "4.95", 90}, {90, "5.00", 91}};
  for (const Case& c : cases) {
    EXPECT_EQ(LookBackText(c.index), c.text) << c.index;
    EXPECT_EQ(LookBackCode(c.index), c.code) << c.index;
  }
  for (int i = 0; i < kLookBackEntries; ++i) EXPECT_EQ(LookBackIndex(LookBackCode(i)), i) << i;
}

TEST(ScanCodecTest, StoredLookBackOutsideTheCodesStillFindsAnEntry) {
  const std::pair<int, int> cases[] = {{0, 0},   {1, 0},   {2, 1},    {90, 89},
                                       {91, 90}, {92, 89}, {200, 89}, {255, 89}};
  for (const auto& [stored, index] : cases) {
    EXPECT_EQ(LookBackIndex(static_cast<std::uint8_t>(stored)), index) << stored;
  }
}

TEST(ScanCodecTest, PriorityModeAboveTwoReadsAsSelected) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {255, 2}};
  for (const auto& [stored, mode] : cases) {
    EXPECT_EQ(ScanPriorityMode(static_cast<std::uint8_t>(stored)), mode) << stored;
  }
}

TEST(ScanCodecTest, RevertEntriesFollowThePriorityMode) {
  struct Case {
    int mode;
    int stored;
    int index;
    int codeStored;
  };
  const Case cases[] = {
      // None offers 0 and 1: the priority codes fall to the last entry.
      {0, 0, 0, 0},
      {0, 1, 1, 1},
      {0, 2, 1, 1},
      {0, 3, 1, 1},
      {0, 255, 1, 1},
      // Fixed offers all four.
      {1, 0, 0, 0},
      {1, 2, 2, 2},
      {1, 3, 3, 3},
      {1, 4, 3, 3},
      // Selected offers 2 and 3 at entries 0 and 1.
      {2, 2, 0, 2},
      {2, 3, 1, 3},
      {2, 0, 0, 2},
      {2, 1, 1, 3},
      {2, 4, 1, 3},
      {2, 255, 1, 3},
  };
  for (const Case& c : cases) {
    const int index = RevertIndex(c.mode, static_cast<std::uint8_t>(c.stored));
    EXPECT_EQ(index, c.index) << c.mode << "/" << c.stored;
    EXPECT_EQ(RevertCode(c.mode, index), c.codeStored) << c.mode << "/" << c.stored;
    EXPECT_LT(index, RevertEntryCount(c.mode));
  }
}

TEST(ScanCodecTest, DelaysAreTwoBytesLowFirst) {
  struct Case {
    int low, high, index;
  };
  const Case cases[] = {{0, 0, 0},    {255, 0, 255}, {0, 1, 256},     {44, 1, 300},
                        {45, 1, 300}, {0, 2, 300},   {255, 255, 300}, {1, 0, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(ScanDelayIndex(static_cast<std::uint8_t>(c.low), static_cast<std::uint8_t>(c.high)),
              c.index)
        << c.low << "," << c.high;
  }
  RadioImage image;
  image.Fill(0xFF);
  for (const int seconds : {0, 1, 255, 256, 300}) {
    StoreScanDelay(kScanTxDwellCol, seconds, image);
    EXPECT_EQ(image.at(kScanRow, kScanTxDwellCol) + 256 * image.at(kScanRow, kScanTxDwellCol + 1),
              seconds);
    EXPECT_EQ(image.at(kScanRow, kScanTxDwellCol - 1), 0xFF);  // the dropout delay is not touched
    EXPECT_EQ(image.at(kScanRow, kScanTxDwellCol + 2), 0xFF);
  }
}

}  // namespace
