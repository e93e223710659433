#include "channels/channel_edit_rules.h"

#include <gtest/gtest.h>

#include "codec/channel_record.h"
#include "shell/state.h"

namespace {

class ChannelEditRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetApplicationState();
    FreqLow = Freq10Hz::MHz(400);
    FreqHigh = Freq10Hz::MHz(470);
  }
};

TEST_F(ChannelEditRules, TheUpperLimitBelongsToTheDialogOnly) {
  const Freq10Hz low = Freq10Hz::MHz(400);
  const Freq10Hz high = Freq10Hz::MHz(470);
  const FreqRange r{low, high};
  EXPECT_TRUE(InRange(low, r, RangeRule::Grid));
  EXPECT_TRUE(InRange(low, r, RangeRule::Dialog));
  EXPECT_FALSE(InRange({low.units - 1}, r, RangeRule::Grid));
  EXPECT_FALSE(InRange({low.units - 1}, r, RangeRule::Dialog));
  EXPECT_TRUE(InRange({high.units - 1}, r, RangeRule::Grid));
  EXPECT_FALSE(InRange(high, r, RangeRule::Grid));
  EXPECT_TRUE(InRange(high, r, RangeRule::Dialog));
  EXPECT_FALSE(InRange({high.units + 1}, r, RangeRule::Dialog));
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank("   "));
  EXPECT_FALSE(IsBlank(" 1 "));
}

TEST_F(ChannelEditRules, GridChoicesOutsideTheListsWriteNothing) {
  for (int c = 0; c < 16; ++c) Image(5, c) = 0x33;
  const std::pair<int, int> refused[] = {{2, 0}, {9, 0}, {3, 261}, {5, 3}, {6, 2}, {8, -1}};
  for (const auto& [column, index] : refused) {
    EXPECT_FALSE(StoreGridChoice(TheImage(), 5, column, index)) << column << "/" << index;
  }
  EXPECT_FALSE(StoreGridChoice(TheImage(), 0, 6, 0));
  EXPECT_FALSE(StoreGridChoice(TheImage(), 17, 6, 0));
  for (int c = 0; c < 16; ++c) EXPECT_EQ(Image(5, c), 0x33) << c;
  EXPECT_TRUE(StoreGridChoice(TheImage(), 5, 4, 156));
  EXPECT_EQ(Image(5, 10), 1);
  EXPECT_EQ(Image(5, 11), 51);
}

}  // namespace
