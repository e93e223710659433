#include "codec/tones.h"

#include <gtest/gtest.h>

namespace {

class ToneTableTest : public ::testing::Test {
 protected:
};

struct ToneTextCase {
  int position;
  const char* text;
};

TEST_F(ToneTableTest, EntriesKeepTheirExactSpaces) {
  const ToneTextCase cases[] = {
      {0, "   OFF      "}, {1, "   67.0    "}, {9, "   88.5    "}, {10, "  91.5    "},
      {12, "  97.4    "},  {13, "  100.0   "}, {50, "  254.1   "}, {51, "  D023N   "},
      {99, "  D266N   "},  {100, " D271N   "}, {155, " D754N   "}, {156, "D023I"},
      {204, "D266I"},      {205, "D271I"},     {260, "D754I"},     {261, ""},
      {300, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToneTableEntry(c.position), c.text) << c.position;
  }
}

TEST_F(ToneTableTest, EveryInvertedEntryIsTheTwinOfItsNormalEntry) {
  for (int i = 51; i <= 155; ++i) {
    const std::string& normal = ToneTableEntry(i);
    const auto d = normal.find('D');
    ASSERT_NE(d, std::string::npos) << i;
    EXPECT_EQ(ToneTableEntry(i + 105), normal.substr(d, 4) + "I") << i;
  }
}

struct EncodeCase {
  int position;
  StoredTone stored;
};

TEST_F(ToneTableTest, EncodesListPositions) {
  const EncodeCase cases[] = {
      {0, {0, 0}},     {1, {0, 1}},    {50, {0, 50}},   {51, {0, 51}},
      {155, {0, 155}}, {156, {1, 51}}, {260, {1, 155}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeTone(c.position), c.stored) << c.position;
    EXPECT_EQ(DecodeTone(c.stored), c.position) << c.position;
  }
}

struct DecodeCase {
  StoredTone stored;
  const char* text;
};

TEST_F(ToneTableTest, DecodesStoredBytesForDisplay) {
  const DecodeCase cases[] = {
      {{0xFF, 0xFF}, "OFF"},       // erased
      {{0, 0}, "OFF"},             // written as no tone
      {{0, 156}, "   OFF      "},  // a code beyond the DCS range
      {{0, 0xFE}, "   OFF      "},
      {{0, 9}, "   88.5    "},
      {{0, 51}, "  D023N   "},
      {{1, 51}, "D023I"},
      {{7, 155}, "D754I"},  // any non-zero polarity is inverted
      {{0xFF, 100}, "D271I"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToneText(c.stored, "OFF"), c.text)
        << int(c.stored.polarity) << "/" << int(c.stored.code);
  }
}

}  // namespace
