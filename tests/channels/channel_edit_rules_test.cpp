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

TEST_F(ChannelEditRules, TypedFrequencyTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"145", "145.00000"},         {"145.1", "145.10000"}, {"88.5", "88.50000"},
      {"66", "66.00000"},           {"145.", "145.00000"},  {"438.00625", "438.00625"},
      {" 145", "145.00000"},        {"0145", "145.00000"},  {"145abc", "145.00000"},
      {"145.1234567", "145.12345"},
  };
  for (const auto& [typed, shown] : cases) EXPECT_EQ(NormalisedFreqText(typed), shown) << typed;
  EXPECT_EQ(LowerLimitText(), "400.00000");
  FreqLow = Freq10Hz::MHz(66);
  EXPECT_EQ(LowerLimitText(), "66.00000");
}

TEST_F(ChannelEditRules, TheUpperLimitBelongsToTheDialogOnly) {
  const Freq10Hz low = Freq10Hz::MHz(400);
  const Freq10Hz high = Freq10Hz::MHz(470);
  EXPECT_TRUE(InGridRange(low));
  EXPECT_TRUE(InDialogRange(low));
  EXPECT_FALSE(InGridRange({low.units - 1}));
  EXPECT_FALSE(InDialogRange({low.units - 1}));
  EXPECT_TRUE(InGridRange({high.units - 1}));
  EXPECT_FALSE(InGridRange(high));
  EXPECT_TRUE(InDialogRange(high));
  EXPECT_FALSE(InDialogRange({high.units + 1}));
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank("   "));
  EXPECT_FALSE(IsBlank(" 1 "));
}

TEST_F(ChannelEditRules, GridChoicesOutsideTheListsWriteNothing) {
  for (int c = 0; c < 16; ++c) Image(5, c) = 0x33;
  const std::pair<int, int> refused[] = {{2, 0}, {9, 0}, {3, 261}, {5, 3}, {6, 2}, {8, -1}};
  for (const auto& [column, index] : refused) {
    EXPECT_FALSE(StoreGridChoice(5, column, index)) << column << "/" << index;
  }
  EXPECT_FALSE(StoreGridChoice(0, 6, 0));
  EXPECT_FALSE(StoreGridChoice(17, 6, 0));
  for (int c = 0; c < 16; ++c) EXPECT_EQ(Image(5, c), 0x33) << c;
  EXPECT_TRUE(StoreGridChoice(5, 4, 156));
  EXPECT_EQ(Image(5, 10), 1);
  EXPECT_EQ(Image(5, 11), 51);
}

}  // namespace
