#include "channels/channel_texts.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "codec/channel_record.h"

namespace {

// No BuildToneTable and no process-wide image: the texts need neither.
class ChannelTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    image.Fill(0xFF);
    Channel(1, "136.125", "136.125");  // a channel as the grid creates it
    New_Chann(image, 1);
  }
  void Channel(int n, const char* rx, const char* tx = nullptr) {
    std::string text = rx;
    ASSERT_TRUE(StoreFreqText(image, text, n, kRxFreqCol));
    if (!tx) return;
    text = tx;
    ASSERT_TRUE(StoreFreqText(image, text, n, kTxFreqCol));
  }
  RadioImage image;
};

TEST_F(ChannelTexts, CaptionsAndFormatString) {
  EXPECT_EQ(ChannelGridFormatString(true),
            "^ 信道号 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^繁忙锁定|^发射功率|"
            "^信道带宽|^扫描添加");
  EXPECT_EQ(ChannelGridFormatString(false),
            "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^Busy Lock|"
            "^ TX Power|^ W/N |^Scan/Add");
  EXPECT_EQ(ChannelColumnCaption(7, false), " W/N ");
  EXPECT_THROW(ChannelColumnCaption(9, true), std::out_of_range);
}

struct CellCase {
  const char* what;
  int cell;   // record column to set first, or -1
  int value;  // its value; a tone sets the two bytes (value >> 8, value & 0xFF)
  int column;
  const char* chinese;
  const char* english;
};

TEST_F(ChannelTexts, EveryColumnInBothLanguages) {
  const CellCase cases[] = {
      {"number", -1, 0, 0, "1", "1"},
      {"receive", -1, 0, 1, "136.12500", "136.12500"},
      {"transmit", -1, 0, 2, "136.12500", "136.12500"},
      {"decode off as (0, 0)", -1, 0, 3, "关", "OFF"},
      {"encode off as (FF, FF)", 10, 0xFFFF, 4, "关", "OFF"},
      {"decode inverted twin", 8, 0x0133, 3, "D023I", "D023I"},
      {"encode as stored", 10, 0x000D, 4, "  100.0   ", "  100.0   "},
      {"code beyond the table", 8, 0x00C8, 3, "   OFF      ", "   OFF      "},
      {"new channel: busy off", -1, 0, 5, "关", "Off"},
      {"new channel: high", -1, 0, 6, "高", "High"},
      {"new channel: wide", -1, 0, 7, "宽带", "Wide"},
      {"new channel: scan add", -1, 0, 8, "是", "Yes"},
      {"0x98: busy QT/DQT", 12, 0x98, 5, "QT/DQT", "QT/DQT"},
      {"0x98: low", 12, 0x98, 6, "低", "Low"},
      {"0x98: narrow", 12, 0x98, 7, "窄带", "Narrow"},
      {"0x98: no scan add", 12, 0x98, 8, "否", "NO"},
      {"0x68: carrier", 12, 0x68, 5, "载波", "Carrier"},
      {"busy bits 10 have no text", 12, 0x70, 5, "", ""},
      {"no transmit: transmit blank", 4, 0xFF, 2, "", ""},
      {"no transmit: encode blank", 4, 0xFF, 4, "", ""},
      {"no transmit: decode shown", 4, 0xFF, 3, "关", "OFF"},
      {"empty channel: receive blank", 0, 0xFF, 1, "", ""},
      {"empty channel: options blank", 0, 0xFF, 6, "", ""},
      {"empty channel: number shown", 0, 0xFF, 0, "1", "1"},
  };
  for (const CellCase& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    if (c.cell == 8 || c.cell == 10) {
      image.at(1, c.cell) = static_cast<std::uint8_t>(c.value >> 8);
      image.at(1, c.cell + 1) = static_cast<std::uint8_t>(c.value & 0xFF);
    } else if (c.cell >= 0) {
      image.at(1, c.cell) = static_cast<std::uint8_t>(c.value);
    }
    EXPECT_EQ(ChannelCellText(image, 1, c.column, true), c.chinese);
    EXPECT_EQ(ChannelCellText(image, 1, c.column, false), c.english);
  }
  Channel(16, "88.5");
  EXPECT_EQ(ChannelCellText(image, 16, 0, false), "16");
  EXPECT_EQ(ChannelCellText(image, 16, 1, false), "88.50000");
}

TEST_F(ChannelTexts, AddressesOutsideTheGridAreErrors) {
  EXPECT_THROW(ChannelCellText(image, 0, 1, true), std::out_of_range);
  EXPECT_THROW(ChannelCellText(image, 17, 0, true), std::out_of_range);
  EXPECT_THROW(ChannelCellText(image, 1, 9, true), std::out_of_range);
  EXPECT_THROW(ChannelCellText(image, 1, -1, true), std::out_of_range);
}

}  // namespace
