#include "fleet/ani_sequence.h"

#include <gtest/gtest.h>

TEST(AniCode, TakesWhatTheAniBoxTakes) {
  const struct {
    const char* typed;
    std::optional<std::string> code;
  } rows[] = {
      {"0099", "0099"},
      {"ab12", "AB12"},
      {"F", "F"},
      {"12345678", "12345678"},
      {"", {}},
      {"123456789", {}},
      {"12G4", {}},
      {" 12", {}},
      {"0x12", {}},
      {"-1", {}},
      {"abcdefAB", "ABCDEFAB"},
  };
  for (const auto& row : rows) EXPECT_EQ(AniCode(row.typed), row.code) << row.typed;
}

TEST(AniCode, CountsInHexadecimalKeepingTheLength) {
  const struct {
    const char* code;
    std::optional<std::string> next;
  } rows[] = {
      {"0099", "009A"},
      {"009F", "00A0"},
      {"00FF", "0100"},
      {"0", "1"},
      {"9", "A"},
      {"E", "F"},
      {"F", {}},
      {"FF", {}},
      {"0FFF", "1000"},
      {"A9", "AA"},
      {"7FFFFFFF", "80000000"},
      {"FFFFFFFF", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(NextAniCode(row.code), row.next) << row.code;
}

TEST(AniSequence, AFailedRadioDoesNotUseUpItsCode) {
  AniSequence codes("FC");
  EXPECT_EQ(codes.Left(8), 4);
  EXPECT_EQ(codes.Take(), "FC");
  const auto second = codes.Take();
  EXPECT_EQ(codes.Take(), "FE");
  codes.GiveBack(*second);
  EXPECT_EQ(codes.Left(8), 2);
  EXPECT_EQ(codes.Take(), "FD");
  EXPECT_EQ(codes.Take(), "FF");
  EXPECT_EQ(codes.Left(8), 0);
  EXPECT_EQ(codes.Take(), std::nullopt);
}
