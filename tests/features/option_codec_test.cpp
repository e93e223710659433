#include "features/option_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "image/radio_image.h"

namespace {

constexpr std::uint8_t E = RadioImage::kErased;

template <std::size_t N>
std::array<std::uint8_t, N> Cells(const RadioImage& image, int row, int firstCol) {
  std::array<std::uint8_t, N> cells{};
  for (std::size_t k = 0; k < N; ++k) cells[k] = image.at(row, firstCol + static_cast<int>(k));
  return cells;
}

TEST(PasswordCellsTest, StoresEachDigitInItsPosition) {
  struct Case {
    const char* text;
    std::array<std::uint8_t, 6> cells;
  };
  const Case cases[] = {
      {"", {E, E, E, E, E, E}},       {"42", {4, 2, E, E, E, E}},
      {"000000", {0, 0, 0, 0, 0, 0}}, {"9876543", {9, 8, 7, 6, 5, 4}},  // only six places
      {"1a3", {1, E, 3, E, E, E}},  // a stray character keeps its place erased
  };
  for (const auto& c : cases) {
    RadioImage image;
    image.Fill(7);
    StorePassword(c.text, image);
    EXPECT_EQ((Cells<6>(image, 61, 6)), c.cells) << c.text;
    EXPECT_EQ(image.at(61, 5), 7);
    EXPECT_EQ(image.at(61, 12), 7);
  }
}

TEST(PasswordCellsTest, DecodingSkipsAnythingButDigits) {
  RadioImage image;
  const std::uint8_t cells[] = {1, E, 10, 2, 9, 0};
  for (int k = 0; k < 6; ++k) image.at(61, 6 + k) = cells[k];
  EXPECT_EQ(PasswordText(image), "1290");
  image.Fill(E);
  EXPECT_EQ(PasswordText(image), "");
}

TEST(AniCellsTest, StoresHexDigitsAndDecodesThem) {
  RadioImage image;
  image.Fill(0);
  StoreAni("AB12", image);
  EXPECT_EQ((Cells<8>(image, 62, 0)), (std::array<std::uint8_t, 8>{10, 11, 1, 2, E, E, E, E}));
  EXPECT_EQ(image.at(62, 8), 0);
  StoreAni("0123456789ABCDEF", image);
  EXPECT_EQ((Cells<8>(image, 62, 0)), (std::array<std::uint8_t, 8>{0, 1, 2, 3, 4, 5, 6, 7}));
  const std::uint8_t cells[] = {15, 16, 0, E, 12, 10, 200, 9};
  for (int k = 0; k < 8; ++k) image.at(62, k) = cells[k];
  EXPECT_EQ(AniText(image), "F0CA9");
}

TEST(EntryKeysTest, PasswordAndAniKeys) {
  EXPECT_EQ(PasswordKey(U'7', 5), '7');
  EXPECT_FALSE(PasswordKey(U'7', 6));
  EXPECT_FALSE(PasswordKey(U'a', 0));
  EXPECT_FALSE(PasswordKey(U'\uFF11', 0));  // a full-width one is not a digit
  EXPECT_EQ(AniKey(U'c', 0), 'C');
  EXPECT_EQ(AniKey(U'F', 7), 'F');
  EXPECT_FALSE(AniKey(U'F', 8));
  EXPECT_FALSE(AniKey(U'g', 0));
  EXPECT_FALSE(AniKey(U'G', 0));
  EXPECT_FALSE(AniKey(U'\u00E4', 0));
}

TEST(EntryKeysTest, PastedTextKeepsWhatTheKeysWouldLetIn) {
  const std::pair<std::u32string, std::string> password[] = {
      {U"", ""}, {U" 12 34 ", "1234"}, {U"12345678", "123456"}, {U"x9\u4E2D8", "98"}};
  for (const auto& [text, entry] : password) EXPECT_EQ(PasswordEntry(text), entry);
  const std::pair<std::u32string, std::string> ani[] = {
      {U"c0ffee!12", "C0FFEE12"}, {U"abcdefabcdef", "ABCDEFAB"}, {U"xyz", ""}};
  for (const auto& [text, entry] : ani) EXPECT_EQ(AniEntry(text), entry);
}

TEST(ListIndexTest, BeyondTheListShowsTheLastEntryOrCodeZeroForKeys) {
  const std::array<int, 4> cases[] = {
      // stored, count, list index, key index
      {0, 10, 0, 0}, {9, 10, 9, 9}, {10, 10, 9, 0}, {255, 10, 9, 0},
      {7, 8, 7, 7},  {8, 8, 7, 0},  {255, 3, 2, 0}, {89, 90, 89, 89},
  };
  for (const auto& [stored, count, list, key] : cases) {
    EXPECT_EQ(ListIndexFor(stored, count), list) << stored << "/" << count;
    EXPECT_EQ(KeyIndexFor(stored, count), key) << stored << "/" << count;
  }
}

TEST(FlagCellTest, BitsAndPttIdLeaveTheOthers) {
  std::uint8_t cell = 0x5A;
  SetBit(cell, kDtmfSideToneBit, false);
  EXPECT_EQ(cell, 0x1A);
  SetBit(cell, kSaverBit, true);
  EXPECT_EQ(cell, 0x9A);
  SetBit(cell, kSaverBit, true);
  EXPECT_EQ(cell, 0x9A);
  for (int index = 0; index < 4; ++index) {
    EXPECT_EQ(WithPttId(0xFC, index), 0xFC + index);
    EXPECT_EQ(WithPttId(0x03, index), index);
  }
}

TEST(RangeEdgeTest, WholeMegahertzAsBcd) {
  struct Case {
    std::int64_t mhz;
    std::uint8_t units, hundredsTens;
  };
  const Case cases[] = {{136, 0x60, 0x13}, {470, 0x00, 0x47}, {999, 0x90, 0x99},
                        {0, 0x00, 0x00},   {45, 0x50, 0x04},  {520, 0x00, 0x52}};
  for (const auto& c : cases) {
    RadioImage image;
    ASSERT_TRUE(StoreRangeEdge(c.mhz, kRangeHighCell, image)) << c.mhz;
    EXPECT_EQ(image.at(59, 2), c.units) << c.mhz;
    EXPECT_EQ(image.at(59, 3), c.hundredsTens) << c.mhz;
    EXPECT_EQ(RangeEdge(image, kRangeHighCell), c.mhz);
  }
  RadioImage image;
  image.Fill(E);
  EXPECT_EQ(RangeEdge(image, kRangeLowCell), std::nullopt);  // an erased edge is no edge
  // Any digit that is no decimal digit makes none; the tenths are not looked at.
  const std::tuple<int, int, std::optional<int>> digits[] = {{0xA0, 0x13, std::nullopt},
                                                             {0x60, 0x1A, std::nullopt},
                                                             {0x60, 0xA3, std::nullopt},
                                                             {0x6F, 0x13, 136},
                                                             {0x09, 0x00, 0}};
  for (const auto& [units, hundredsTens, mhz] : digits) {
    RadioImage one;
    one.at(59, 0) = static_cast<std::uint8_t>(units);
    one.at(59, 1) = static_cast<std::uint8_t>(hundredsTens);
    EXPECT_EQ(RangeEdge(one, kRangeLowCell), mhz) << units << " " << hundredsTens;
  }
  for (std::int64_t refused : {1000LL, 1665LL, -1LL}) {
    EXPECT_FALSE(StoreRangeEdge(refused, kRangeLowCell, image));
    EXPECT_EQ(image.at(59, 0), E);
    EXPECT_EQ(image.at(59, 1), E);
  }
  image.at(59, 0) = 0x65;  // the tenths nibble is ignored
  image.at(59, 1) = 0x13;
  EXPECT_EQ(RangeEdge(image, kRangeLowCell), 136);
}

}  // namespace
