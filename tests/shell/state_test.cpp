#include "shell/state.h"

#include <gtest/gtest.h>

#include "codec/frequency.h"
#include "image/radio_image.h"
#include "shell/model_band.h"

namespace {

class StateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetApplicationState(); }
};

TEST_F(StateTest, StartValues) {
  EXPECT_TRUE(LangChinese);
  EXPECT_EQ(VersionText, "Ver1.2");
  EXPECT_EQ(ComPort, 1);
  EXPECT_FALSE(PortError);
  EXPECT_EQ(BandIndex, 3);
  EXPECT_EQ(FreqLow, Freq10Hz::MHz(400));
  EXPECT_EQ(FreqHigh, Freq10Hz::MHz(470));  // no +1 until a band is applied
  EXPECT_EQ(FreqLowInt, 400);
  EXPECT_EQ(FreqHighInt, 470);
  EXPECT_EQ(ModelName[0], "RT410");
  EXPECT_TRUE(FormOpenFlags.empty());
  EXPECT_EQ(AboutTexts[kAboutOk], "确定");
}

TEST_F(StateTest, ImageDefaults) {
  const RadioImage& image = TheImage();
  for (int r = 0; r <= 255; ++r) {
    if (r == 59 || r == 60) continue;
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image.at(r, c), 0xFF) << r << "," << c;
  }
  const std::uint8_t row59[16] = {0x00, 0x40, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const std::uint8_t row60[16] = {5, 0, 0, 132, 0, 7, 15, 19, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(image.at(59, c), row59[c]) << c;
    EXPECT_EQ(image.at(60, c), row60[c]) << c;
  }
  // Outside the file's block nothing is touched.
  for (int r = 0; r <= 300; ++r) {
    for (int c = 16; c < 33; ++c) ASSERT_EQ(image.at(r, c), 0) << r << "," << c;
  }
  for (int r = 256; r <= 300; ++r) {
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image.at(r, c), 0) << r << "," << c;
  }
}

TEST_F(StateTest, ResetDecodesTheLimitsFromTheDefaultRow59) {
  FreqLow = Freq10Hz::MHz(1);
  FreqHigh = Freq10Hz::MHz(2);
  ResetApplicationState();
  EXPECT_EQ(FreqLow, Freq10Hz::MHz(400));
  EXPECT_EQ(FreqHigh, Freq10Hz::MHz(470));
}

struct BandCase {
  int band;
  std::uint8_t row59[4];
  const char* panel;
};

TEST_F(StateTest, ApplyingABandMovesLimitsAndRewritesRow59) {
  const BandCase cases[] = {
      {0, {0x60, 0x13, 0x40, 0x17}, " 136-- 174 MHZ"},
      {1, {0x50, 0x24, 0x00, 0x25}, " 245-- 250 MHZ"},
      {2, {0x00, 0x35, 0x00, 0x39}, " 350-- 390 MHZ"},
      {3, {0x00, 0x40, 0x00, 0x47}, " 400-- 470 MHZ"},
      {4, {0x50, 0x46, 0x00, 0x52}, " 465-- 520 MHZ"},
  };
  for (const auto& c : cases) {
    RadioImage image;
    const BandState state = ApplyBand(c.band, image);
    EXPECT_EQ(BandPanelText(c.band), c.panel);
    const auto& edges = kBandEdges[static_cast<std::size_t>(c.band)];
    EXPECT_EQ(state.band, c.band);
    EXPECT_EQ(state.limits, (BandLimits{Freq10Hz::MHz(edges[0]), Freq10Hz::MHz(edges[1] + 1)}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(59, i), c.row59[i]) << c.band << " " << i;
    // Decoding row 59 gives the edges back, without the +1.
    EXPECT_EQ(DecodeBandLimits(image), BandTableLimits(c.band));
    // Only UseBand moves the globals, the whole-MHz copies without the +1.
    UseBand(state);
    EXPECT_EQ(BandIndex, c.band);
    EXPECT_EQ(FreqLow, state.limits.low);
    EXPECT_EQ(FreqHigh, state.limits.high);
    EXPECT_EQ(FreqLowInt, edges[0]);
    EXPECT_EQ(FreqHighInt, edges[1]);
  }
}

TEST_F(StateTest, DecodingRow59IgnoresTheTenths) {
  RadioImage image;
  image.at(59, 0) = 0x65;  // 136.5 MHz: the tenths nibble is ignored
  image.at(59, 1) = 0x13;
  image.at(59, 2) = 0x49;
  image.at(59, 3) = 0x17;
  EXPECT_EQ(DecodeBandLimits(image), (BandLimits{Freq10Hz::MHz(136), Freq10Hz::MHz(174)}));
}

}  // namespace
