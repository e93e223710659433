#include "codec/channel_record.h"

#include <gtest/gtest.h>

namespace {

class ChannelRecordTest : public ::testing::Test {
 protected:
  // No BuildToneTable: the codecs need no global filled first.
  void SetUp() override { image.Fill(0xFF); }
  void Freq(int n, int col, const char* text) {
    std::string t = text;
    ASSERT_TRUE(StoreFreqText(image, t, n, col));
  }
  RadioImage image;
};

TEST_F(ChannelRecordTest, NewChannelDefaultsAndClearing) {
  Freq(3, 0, "435");
  New_Chann(image, 3);
  const std::uint8_t expected[16] = {0x00, 0x00, 0x50, 0x43, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0,    0,    0,    0,    0x60, 0xFF, 0xFF, 0xFF};
  for (int c = 0; c < 16; ++c) EXPECT_EQ(image.at(3, c), expected[c]) << c;
  EXPECT_FALSE(ChannelLowPower(image, 3));
  EXPECT_TRUE(ChannelWide(image, 3));
  EXPECT_TRUE(ChannelScanAdd(image, 3));
  EXPECT_EQ(ChannelBusyLock(image, 3), BusyLock::Off);
  EXPECT_FALSE(ChannelHasTx(image, 3));

  ClearChannel(image, 3);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(image.at(3, c), 0xFF) << c;
  EXPECT_TRUE(ChannelEmpty(image, 3));
}

TEST_F(ChannelRecordTest, OptionFieldsChangeOnlyTheirOwnBits) {
  image.at(4, kOptionCol) = 0x07;  // the unused low bits must survive
  SetChannelLowPower(image, 4, true);
  EXPECT_EQ(image.at(4, kOptionCol), 0x87);
  SetChannelWide(image, 4, true);
  SetChannelScanAdd(image, 4, true);
  EXPECT_EQ(image.at(4, kOptionCol), 0xE7);
  SetChannelBusyLock(image, 4, BusyLock::Tone);
  EXPECT_EQ(image.at(4, kOptionCol), 0xFF);
  SetChannelBusyLock(image, 4, BusyLock::Carrier);
  EXPECT_EQ(image.at(4, kOptionCol), 0xEF);
  EXPECT_EQ(ChannelBusyLock(image, 4), BusyLock::Carrier);
  SetChannelBusyLock(image, 4, BusyLock::Off);
  SetChannelLowPower(image, 4, false);
  SetChannelWide(image, 4, false);
  SetChannelScanAdd(image, 4, false);
  EXPECT_EQ(image.at(4, kOptionCol), 0x07);
  image.at(4, kOptionCol) = 0x10;
  EXPECT_EQ(ChannelBusyLock(image, 4), BusyLock::Unknown);
}

TEST_F(ChannelRecordTest, TonesUseTheirTwoColumns) {
  SetChannelDecodeTone(image, 2, 156);
  SetChannelEncodeTone(image, 2, 9);
  EXPECT_EQ(image.at(2, 8), 1);
  EXPECT_EQ(image.at(2, 9), 51);
  EXPECT_EQ(image.at(2, 10), 0);
  EXPECT_EQ(image.at(2, 11), 9);
  EXPECT_EQ(ToneText(ChannelDecodeTone(image, 2), "OFF"), "D023I");
  EXPECT_EQ(ToneText(ChannelEncodeTone(image, 2), "OFF"), "   88.5    ");
  Freq(2, 4, "440");
  ClearChannelTx(image, 2, kErasedTone);
  for (int c : {4, 5, 6, 7, 10, 11}) EXPECT_EQ(image.at(2, c), 0xFF) << c;
  EXPECT_EQ(image.at(2, 8), 1);
  EXPECT_EQ(image.at(2, 9), 51);
}

TEST_F(ChannelRecordTest, RemovingTheTransmitFrequencyTheGridWay) {
  Freq(5, 0, "435");
  New_Chann(image, 5);
  Freq(5, 4, "440");
  SetChannelEncodeTone(image, 5, 200);
  image.at(5, kOptionCol) = 0x98;
  ClearChannelTx(image, 5, kGridToneOff);
  for (int c : {4, 5, 6, 7}) EXPECT_EQ(image.at(5, c), 0xFF) << c;
  EXPECT_EQ(image.at(5, 10), 0);
  EXPECT_EQ(image.at(5, 11), 0);
  EXPECT_FALSE(ChannelHasTx(image, 5));
  EXPECT_EQ(ChannelRxText(image, 5), "435.00000");
  EXPECT_EQ(image.at(5, kOptionCol), 0x98);
}

TEST_F(ChannelRecordTest, DialogNewChannelValuesAndItsBitInRow23) {
  image.at(23, 14) = 0;
  image.at(23, 15) = 0;
  image.at(23, 13) = 0x5A;
  struct Case {
    int n;
    int col;
    std::uint8_t bit;
  };
  const Case cases[] = {{1, 14, 0x01}, {8, 14, 0x80}, {9, 15, 0x01}, {16, 15, 0x80}, {3, 14, 0x04}};
  std::uint8_t expected14 = 0, expected15 = 0;
  for (const Case& c : cases) {
    Freq(c.n, 0, "145");
    NewDialogChannel(image, c.n);
    (c.col == 14 ? expected14 : expected15) |= c.bit;
    EXPECT_EQ(image.at(23, 14), expected14) << c.n;
    EXPECT_EQ(image.at(23, 15), expected15) << c.n;
    const std::uint8_t record[16] = {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xBF, 0xB0, 0xF8};
    for (int col = 0; col < 16; ++col) EXPECT_EQ(image.at(c.n, col), record[col]) << c.n;
  }
  EXPECT_EQ(image.at(23, 13), 0x5A);
  EXPECT_THROW(NewDialogChannel(image, 17), std::out_of_range);
}

TEST_F(ChannelRecordTest, ChannelNumbersOutsideOneToSixteenAreErrors) {
  EXPECT_THROW(ClearChannel(image, 0), std::out_of_range);
  EXPECT_THROW(New_Chann(image, 17), std::out_of_range);
  EXPECT_THROW(ChannelEmpty(image, -1), std::out_of_range);
}

struct SpotCase {
  const char* rx;
  const char* tx;  // nullptr: no transmit frequency
  std::uint8_t flags;
};

TEST_F(ChannelRecordTest, MarksSpotFrequencies) {
  const SpotCase cases[] = {
      {"404", "404", 3},       {"404", "405", 1},       {"405", "404", 2},
      {"424.00625", "430", 0}, {"399.995", "430", 0},   {"409.6", "430", 1},
      {"400", nullptr, 1},     {"400.01", "423.99", 3}, {"468.01", "468.0125", 1},
      {"424", "424.005", 1},
  };
  int n = 1;
  for (const auto& c : cases) {
    Freq(n, 0, c.rx);
    if (c.tx) Freq(n, 4, c.tx);
    image.at(n, kSpotCol) = 0xAA;
    ++n;
  }
  image.at(16, kSpotCol) = 0x5A;  // empty channel: kept as it was
  MarkSpotFrequencies(image);
  n = 1;
  for (const auto& c : cases) {
    EXPECT_EQ(image.at(n, kSpotCol), c.flags) << c.rx << " / " << (c.tx ? c.tx : "-");
    ++n;
  }
  EXPECT_EQ(image.at(16, kSpotCol), 0x5A);
}

}  // namespace
