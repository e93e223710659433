// Listings of an image: the show table and the lines of a difference.
#include "files/image_report.h"

#include <gtest/gtest.h>

#include <functional>

#include "codec/channel_record.h"
#include "codec/tones.h"
#include "support/sample_channel.h"

namespace {

RadioImage Sample() {
  RadioImage image;
  image.Fill(0xFF);
  const std::uint8_t row59[] = {0x00, 0x40, 0x00, 0x47};
  const std::uint8_t row60[] = {5, 0, 0, 0x84, 0, 7, 15, 0x13, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int c = 0; c < 4; ++c) image.at(59, c) = row59[c];
  for (int c = 0; c < 16; ++c) image.at(60, c) = row60[c];
  StoreExampleChannel(image);
  return image;
}

TEST(ShowText, GridTextsThenRangeAndOptions) {
  const std::string en = ShowText(Sample(), false);
  EXPECT_NE(en.find("Channel  RX Frequency  TX Frequency  CTCSS/DCS Dec  CTCSS/DCS Enc  Busy Lock"
                    "  TX Power  W/N     Scan/Add\n"),
            std::string::npos)
      << en;
  EXPECT_NE(en.find("\n1\n2        136.12500     438.00625     D023I             88.5        QT/DQT"
                    "     Low       Narrow  NO\n3\n"),
            std::string::npos)
      << en;
  EXPECT_NE(en.find("\nFrequncy Range:     400 --- 470 MHZ\nSquelch Level:      5\n"),
            std::string::npos)
      << en;
  EXPECT_NE(en.find("Time Out Timer(S):  Off\nVoice:              Off\nBeep:               On\n"
                    "Battery Saver:      On\nLow Power:          255\nHigh Power:         255\n"),
            std::string::npos)
      << en;
  const std::string zh = ShowText(Sample(), true);
  EXPECT_NE(
      zh.find(
          "2       136.12500      438.00625      D023I           88.5      QT/DQT    低        窄带"
          "      否\n"),
      std::string::npos)
      << zh;
  EXPECT_NE(zh.find("发射超时定时器(秒)： 关\n"), std::string::npos) << zh;
}

struct DiffCase {
  const char* what;
  std::function<void(RadioImage&)> change;
  std::vector<std::string> lines;
};

class DiffLinesTest : public ::testing::TestWithParam<DiffCase> {};

TEST_P(DiffLinesTest, DecodedWhereTheGridOrOptionsShowIt) {
  const RadioImage a = Sample();
  RadioImage b = a;
  GetParam().change(b);
  EXPECT_EQ(DiffLines(a, b, false), GetParam().lines);
  EXPECT_EQ(SameChannelFileCells(a, b), GetParam().lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DiffLinesTest,
    ::testing::Values(
        DiffCase{"identical", [](RadioImage&) {}, {}},
        DiffCase{"receive frequency",
                 [](RadioImage& b) {
                   std::string text = "136.1375";
                   StoreFreqText(b, text, 2, kRxFreqCol);
                 },
                 {"channel 2 receive: 136.12500 → 136.13750"}},
        DiffCase{
            "channel cleared",
            [](RadioImage& b) { ClearChannel(b, 2); },
            {"channel 2 receive: 136.12500 → (empty)", "channel 2 transmit: 438.00625 → (empty)",
             "channel 2 decode: D023I → (empty)", "channel 2 encode: 88.5 → (empty)",
             "channel 2 busy lock: QT/DQT → (empty)", "channel 2 power: Low → (empty)",
             "channel 2 bandwidth: Narrow → (empty)", "channel 2 scan add: NO → (empty)"}},
        DiffCase{"any non-zero polarity reads inverted: same text, bytes raw",
                 [](RadioImage& b) { b.at(2, kDecodeToneCol) = 2; },
                 {"row 2 column 8: 1 → 2"}},
        DiffCase{"tone off by text",
                 [](RadioImage& b) { SetChannelEncodeTone(b, 2, 0); },
                 {"channel 2 encode: 88.5 → OFF"}},
        DiffCase{
            "spot flags raw", [](RadioImage& b) { b.at(2, 13) = 1; }, {"row 2 column 13: 255 → 1"}},
        DiffCase{"unused option bits",
                 [](RadioImage& b) { b.at(2, kOptionCol) |= 0x01; },
                 {"row 2 column 12: 152 → 153"}},
        DiffCase{
            "squelch by caption", [](RadioImage& b) { b.at(60, 0) = 3; }, {"Squelch Level: 5 → 3"}},
        DiffCase{"beep by caption, PTT ID bits raw",
                 [](RadioImage& b) { b.at(60, 3) = 0x81; },
                 {"Beep: On → Off", "row 60 column 3: 132 → 129"}},
        DiffCase{"model code raw",
                 [](RadioImage& b) { b.at(61, 5) = 0; },
                 {"row 61 column 5: 255 → 0"}}),
    [](const auto& row) { return "row" + std::to_string(row.index); });

TEST(DiffLines, Chinese) {
  RadioImage b = Sample();
  b.at(63, 1) = 200;
  EXPECT_EQ(DiffLines(Sample(), b, true), std::vector<std::string>{"高功率：255 → 200"});
}

}  // namespace
