#include "features/fm_codec.h"

#include <gtest/gtest.h>

#include "codec/frequency.h"

namespace {

TEST(FmCodecTest, TypedTextsToCodes) {
  struct Case {
    const char* text;
    int code;  // -1: no code, the channel is empty
  };
  const Case cases[] = {
      {"87", 0},          {"87.0", 0},
      {"87.35", 3},       {"87.39999", 3},
      {"95", 80},         {" 95", 80},
      {"95 ", 80},        {"95x", 80},
      {"100.", 130},      {"0087.5", 5},
      {"108", 210},       {"108.0", 210},
      {"108.000", 210},   {"108.01", -1},
      {"108.000001", -1}, {"108.1", -1},
      {"86.99", -1},      {"86.9", -1},
      {"", -1},           {"   ", -1},
      {"abc", -1},        {".5", -1},
      {"-95", -1},        {"1e2", -1},
      {"9999", -1},       {"99999999999999999999999", -1},
  };
  for (const Case& c : cases) {
    const auto code = FmCodeFromText(c.text);
    if (c.code < 0) {
      EXPECT_FALSE(code.has_value()) << c.text;
      EXPECT_EQ(FmStoredCode(c.text), kFmEmpty) << c.text;
    } else {
      ASSERT_TRUE(code.has_value()) << c.text;
      EXPECT_EQ(*code, c.code) << c.text;
      EXPECT_EQ(FmStoredCode(c.text), c.code) << c.text;
    }
  }
}

TEST(FmCodecTest, EveryChannelTextGivesBackItsCode) {
  for (int code = 0; code <= kFmLastCode; ++code) {
    const std::string text = FmCellText(static_cast<std::uint8_t>(code));
    EXPECT_EQ(text, FmChannelText(code));
    EXPECT_EQ(FmStoredCode(text), code) << text;
  }
  EXPECT_EQ(FmCellText(0), "87.0");
  EXPECT_EQ(FmCellText(129), "99.9");
  EXPECT_EQ(FmCellText(130), "100.0");
  EXPECT_EQ(FmCellText(210), "108.0");
  for (const int empty : {211, 254, 255})
    EXPECT_EQ(FmCellText(static_cast<std::uint8_t>(empty)), "");
}

TEST(FmCodecTest, CommittingAnEdit) {
  struct Case {
    const char* typed;
    const char* cell;
    bool warning;
  };
  const Case cases[] = {
      {"95", "95.0", false},    {"100", "100.0", false}, {"95.", "95.0", false},
      {"95.55", "95.5", false}, {"108", "108.0", false}, {"87", "87.0", false},
      {"110", "87", true},      {"86", "87", true},      {"abc", "87", true},
      {"0", "87", true},        {"", "", false},         {"   ", "", false},
  };
  for (const Case& c : cases) {
    const FmCommit commit = CommitFmText(c.typed);
    EXPECT_EQ(commit.text, c.cell) << c.typed;
    EXPECT_EQ(commit.outOfRange, c.warning) << c.typed;
  }
}

}  // namespace
