#include "codec/channel_record.h"

#include <gtest/gtest.h>

namespace {

class ChannelRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildToneTable();
    image.Fill(0xFF);
  }
  void Freq(int n, int col, const char* text) {
    std::string t = text;
    ASSERT_TRUE(StoreFreqText(t, n, col, image));
  }
  RadioImage image;
};

TEST_F(ChannelRecordTest, NewChannelDefaultsAndClearing) {
  Freq(3, 0, "435");
  New_Chann(3, image);
  const std::uint8_t expected[16] = {0x00, 0x00, 0x50, 0x43, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0,    0,    0,    0,    0x60, 0xFF, 0xFF, 0xFF};
  for (int c = 0; c < 16; ++c) EXPECT_EQ(image.at(3, c), expected[c]) << c;
  EXPECT_FALSE(ChannelLowPower(3, image));
  EXPECT_TRUE(ChannelWide(3, image));
  EXPECT_TRUE(ChannelScanAdd(3, image));
  EXPECT_EQ(ChannelBusyLock(3, image), BusyLock::Off);
  EXPECT_FALSE(ChannelHasTx(3, image));

  ClearChannel(3, image);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(image.at(3, c), 0xFF) << c;
  EXPECT_TRUE(ChannelEmpty(3, image));
}

TEST_F(ChannelRecordTest, OptionFieldsChangeOnlyTheirOwnBits) {
  image.at(4, kOptionCol) = 0x07;  // the unused low bits must survive
  SetChannelLowPower(4, true, image);
  EXPECT_EQ(image.at(4, kOptionCol), 0x87);
  SetChannelWide(4, true, image);
  SetChannelScanAdd(4, true, image);
  EXPECT_EQ(image.at(4, kOptionCol), 0xE7);
  SetChannelBusyLock(4, BusyLock::Tone, image);
  EXPECT_EQ(image.at(4, kOptionCol), 0xFF);
  SetChannelBusyLock(4, BusyLock::Carrier, image);
  EXPECT_EQ(image.at(4, kOptionCol), 0xEF);
  EXPECT_EQ(ChannelBusyLock(4, image), BusyLock::Carrier);
  SetChannelBusyLock(4, BusyLock::Off, image);
  SetChannelLowPower(4, false, image);
  SetChannelWide(4, false, image);
  SetChannelScanAdd(4, false, image);
  EXPECT_EQ(image.at(4, kOptionCol), 0x07);
  image.at(4, kOptionCol) = 0x10;
  EXPECT_EQ(ChannelBusyLock(4, image), BusyLock::Unknown);
}

TEST_F(ChannelRecordTest, TonesUseTheirTwoColumns) {
  SetChannelDecodeTone(2, 156, image);
  SetChannelEncodeTone(2, 9, image);
  EXPECT_EQ(image.at(2, 8), 1);
  EXPECT_EQ(image.at(2, 9), 51);
  EXPECT_EQ(image.at(2, 10), 0);
  EXPECT_EQ(image.at(2, 11), 9);
  EXPECT_EQ(ToneText(ChannelDecodeTone(2, image), "OFF"), "D023I");
  EXPECT_EQ(ToneText(ChannelEncodeTone(2, image), "OFF"), "   88.5    ");
  Freq(2, 4, "440");
  ClearChannelTx(2, kErasedTone, image);
  for (int c : {4, 5, 6, 7, 10, 11}) EXPECT_EQ(image.at(2, c), 0xFF) << c;
  EXPECT_EQ(image.at(2, 8), 1);
  EXPECT_EQ(image.at(2, 9), 51);
}

TEST_F(ChannelRecordTest, RemovingTheTransmitFrequencyTheGridWay) {
  Freq(5, 0, "435");
  New_Chann(5, image);
  Freq(5, 4, "440");
  SetChannelEncodeTone(5, 200, image);
  image.at(5, kOptionCol) = 0x98;
  ClearChannelTx(5, kGridToneOff, image);
  for (int c : {4, 5, 6, 7}) EXPECT_EQ(image.at(5, c), 0xFF) << c;
  EXPECT_EQ(image.at(5, 10), 0);
  EXPECT_EQ(image.at(5, 11), 0);
  EXPECT_FALSE(ChannelHasTx(5, image));
  EXPECT_EQ(ChannelRxText(5, image), "435.00000");
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
    NewDialogChannel(c.n, image);
    (c.col == 14 ? expected14 : expected15) |= c.bit;
    EXPECT_EQ(image.at(23, 14), expected14) << c.n;
    EXPECT_EQ(image.at(23, 15), expected15) << c.n;
    const std::uint8_t record[16] = {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xBF, 0xB0, 0xF8};
    for (int col = 0; col < 16; ++col) EXPECT_EQ(image.at(c.n, col), record[col]) << c.n;
  }
  EXPECT_EQ(image.at(23, 13), 0x5A);
  EXPECT_THROW(NewDialogChannel(17, image), std::out_of_range);
}

TEST_F(ChannelRecordTest, ChannelNumbersOutsideOneToSixteenAreErrors) {
  EXPECT_THROW(ClearChannel(0, image), std::out_of_range);
  EXPECT_THROW(New_Chann(17, image), std::out_of_range);
  EXPECT_THROW(ChannelEmpty(-1, image), std::out_of_range);
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
