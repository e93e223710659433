#include "features/scan_codec.h"

#include <gtest/gtest.h>

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

}  // namespace
