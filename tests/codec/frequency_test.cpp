#include "codec/frequency.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <string>

#include "image/radio_image.h"

namespace {

TEST(NumberTextTest, ShortestDecimalText) {
  const std::pair<double, const char*> cases[] = {
      {136, "136"},
      {136.5, "136.5"},
      {88.125, "88.125"},
      {0, "0"},
      {-5, "-5"},
      {470, "470"},
      {87 + 3 * 0.1, "87.3"},
      {123456789012345.0, "123456789012345"},
  };
  for (const auto& [x, text] : cases) EXPECT_EQ(NumberText(x), text) << x;
  EXPECT_EQ(NumberTextSpaced(400), " 400");
  EXPECT_EQ(NumberTextSpaced(0), " 0");
  EXPECT_EQ(NumberTextSpaced(-1), "-1");
}

TEST(TextValueTest, ReadsTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"", 0},      {"abc", 0},  {"435", 435}, {"  435.5", 435.5}, {"435.5.1", 435.5},
      {"12ab", 12}, {".5", 0.5}, {"7.", 7},    {"-3", 0},          {" \t1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(TextValue(text), value) << text;
}

TEST(TextValueTest, ExactUnitsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(TextValue10Hz("438.00625").units, 43'800'625);
  EXPECT_EQ(TextValue10Hz("438.006259999").units, 43'800'625);  // past 10 Hz is cut
  EXPECT_EQ(TextValue10Hz("").units, 0);
  EXPECT_EQ(TextValue10Hz("99999999999999999999999999999").units, kTextValueCap);
  EXPECT_EQ(TextValue10Hz(std::string(5000, '9')).units, kTextValueCap);
  EXPECT_EQ(TextValue10Hz("0." + std::string(5000, '9')).units, 99'999);
}

struct BcdCase {
  std::uint8_t b[4];
  const char* text;
};

TEST(FreqTextFromBcdTest, DecodesStoredFrequencies) {
  const BcdCase cases[] = {
      {{0x00, 0x25, 0x61, 0x13}, "136.12500"},
      {{0x00, 0x00, 0x00, 0x45}, "450.00000"},
      {{0x00, 0x00, 0x85, 0x08}, "88.50000"},
      {{0x25, 0x06, 0x80, 0x43}, "438.00625"},
      {{0x00, 0x00, 0x00, 0x10}, "100.00000"},
      {{0x99, 0x99, 0x99, 0x99}, "999.99999"},
      // Damaged records: below 10 MHz and above 999 MHz still read as numbers.
      {{0x00, 0x00, 0x50, 0x00}, "5.00000"},
      {{0x00, 0x00, 0x00, 0x00}, "0.00000"},
      {{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},
      {{0x00, 0x00, 0x00, 0xA0}, "1000.00000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FreqTextFromBcd(c.b[0], c.b[1], c.b[2], c.b[3]), c.text) << c.text;
  }
}

struct StoreCase {
  const char* typed;
  std::uint8_t b[4];
  const char* text;
};

class StoreFreqTextTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreFreqTextTest, SnapsStoresAndRewritesTheText) {
  const StoreCase& c = GetParam();
  RadioImage image;
  image.Fill(0xEE);
  std::string text = c.typed;
  ASSERT_TRUE(StoreFreqText(image, text, 5, 4));
  EXPECT_EQ(text, c.text);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(5, 4 + i), c.b[i]) << c.typed << " byte " << i;
  EXPECT_EQ(image.at(5, 3), 0xEE);
  EXPECT_EQ(image.at(5, 8), 0xEE);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, StoreFreqTextTest,
    ::testing::Values(StoreCase{"438.0123", {0x00, 0x10, 0x80, 0x43}, "438.01000"},
                      StoreCase{"438.0066", {0x25, 0x06, 0x80, 0x43}, "438.00625"},
                      StoreCase{"430.0031", {0x00, 0x00, 0x00, 0x43}, "430000000"},
                      StoreCase{"145", {0x00, 0x00, 0x50, 0x14}, "145000000"},
                      StoreCase{"145.5", {0x00, 0x00, 0x55, 0x14}, "145.50000"},
                      StoreCase{"136.125", {0x00, 0x25, 0x61, 0x13}, "136.12500"},
                      StoreCase{"435", {0x00, 0x00, 0x50, 0x43}, "435000000"},
                      StoreCase{"  435.00624", {0x00, 0x05, 0x50, 0x43}, "435.00500"},
                      StoreCase{"435.00625", {0x25, 0x06, 0x50, 0x43}, "435.00625"},
                      StoreCase{"435.0187", {0x00, 0x15, 0x50, 0x43}, "435.01500"},
                      StoreCase{"435.01875", {0x75, 0x18, 0x50, 0x43}, "435.01875"},
                      // Below 100 MHz the digits move one place, whatever the band.
                      StoreCase{"88.5", {0x00, 0x00, 0x85, 0x08}, "88.500000"},
                      StoreCase{"88", {0x00, 0x00, 0x80, 0x08}, "880000000"},
                      StoreCase{"abc", {0x00, 0x00, 0x00, 0x00}, "000000000"},
                      StoreCase{"999.99999", {0x00, 0x95, 0x99, 0x99}, "999.99500"}),
    [](const ::testing::TestParamInfo<StoreCase>& param) {
      std::string name;
      for (char ch : std::string(param.param.typed))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name + "_" + std::to_string(param.index);
    });

TEST(StoreFreqTextLimits, RefusesWhatEightDigitsCannotHold) {
  RadioImage image;
  image.Fill(0x11);
  for (const char* typed : {"1000", "123456789", "99999999999999999999999"}) {
    std::string text = typed;
    EXPECT_FALSE(StoreFreqText(image, text, 1, 0)) << typed;
    EXPECT_EQ(text, typed);
  }
  RadioImage untouched;
  untouched.Fill(0x11);
  EXPECT_EQ(image, untouched);
}

TEST(SnapToRasterTest, NeverRoundsUpAndLandsOnARasterPoint) {
  for (std::int64_t u = 43'000'000; u < 43'010'000; u += 7) {
    const Freq10Hz snapped = SnapToRaster({u});
    ASSERT_LE(snapped.units, u);
    ASSERT_TRUE(snapped.units % 500 == 0 || snapped.units % 625 == 0) << u;
    // No raster point lies between the snapped value and the typed one.
    for (std::int64_t v = snapped.units + 1; v <= u; ++v) {
      ASSERT_FALSE(v % 500 == 0 || v % 625 == 0) << u;
    }
  }
}

TEST(FmChannelTextTest, OneDecimalFrom87To108) {
  const std::pair<int, const char*> cases[] = {{0, "87.0"},    {15, "88.5"},   {129, "99.9"},
                                               {130, "100.0"}, {210, "108.0"}, {255, "112.5"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(FmChannelText(n), text) << n;
}

class OutOfLimitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image.Fill(0);
    for (int r = 0; r <= 255; ++r)
      for (int c = 0; c < 16; ++c) image.at(r, c) = 0xFF;
    // 400-470 MHz.
    image.at(59, 0) = 0x00;
    image.at(59, 1) = 0x40;
    image.at(59, 2) = 0x00;
    image.at(59, 3) = 0x47;
  }
  void Channel(int n, const char* rx, const char* tx) {
    std::string text = rx;
    ASSERT_TRUE(StoreFreqText(image, text, n, 0));
    if (tx) {
      text = tx;
      ASSERT_TRUE(StoreFreqText(image, text, n, 4));
    }
  }
  void ClearRow(int n) {
    for (int c = 0; c < 16; ++c) image.at(n, c) = 0xFF;
  }
  RadioImage image;
};

TEST_F(OutOfLimitsTest, FindsTheFirstChannelOutsideTheBand) {
  EXPECT_EQ(FindChannelOutOfLimits(image), 0);
  Channel(1, "435", "435");
  Channel(2, "470.5", "400");  // whole MHz only: 470.5 passes 470
  EXPECT_EQ(FindChannelOutOfLimits(image), 0);
  Channel(5, "435", "471");
  Channel(7, "399.9", "435");
  EXPECT_EQ(FindChannelOutOfLimits(image), 5);
  ClearRow(5);
  EXPECT_EQ(FindChannelOutOfLimits(image), 7);
}

TEST_F(OutOfLimitsTest, ChecksChannelsOnTheFineRasterAndSkipsAbsentTransmit) {
  Channel(3, "438.00625", "438.00625");  // lowest byte 0x25
  EXPECT_EQ(FindChannelOutOfLimits(image), 0);
  Channel(4, "480.00625", nullptr);
  EXPECT_EQ(FindChannelOutOfLimits(image), 4);
  ClearRow(4);
  Channel(4, "440", nullptr);  // receive only: nothing outside the band
  EXPECT_EQ(FindChannelOutOfLimits(image), 0);
}

}  // namespace
