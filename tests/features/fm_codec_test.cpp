#include "features/fm_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(FmCodecTest, TypedTextsToCodesExactly) {
  struct Case {
    const char* text;
    int code;  // -1: no code, the channel is empty
  };
  const Case cases[] = {
      {"87", 0},          {"87.35", 3},  {"87.39999", 3}, {" 95", 80},
      {"95x", 80},        {"100.", 130}, {"0087.5", 5},   {"108.000", 210},
      {"108.000001", -1}, {"108.1", -1}, {"86.99", -1},   {"", -1},
      {"abc", -1},        {".5", -1},    {"-95", -1},     {"99999999999999999999999", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FmStoredCode(c.text), c.code < 0 ? kFmEmpty : c.code) << c.text;
  }
}

}  // namespace
