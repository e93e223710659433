#include "channels/channel_texts.h"

#include <array>
#include <stdexcept>

#include "codec/channel_record.h"

namespace {

constexpr std::array<TextPair, kGridColumns> kCaptions = {{
    {" 信道号 ", " Channel "},
    {"接收频率(MHZ)", "RX Frequency"},
    {"发射频率(MHZ)", "TX Frequency"},
    {"QT/DQT 解码", "CTCSS/DCS Dec"},
    {"QT/DQT 编码", "CTCSS/DCS Enc"},
    {"繁忙锁定", "Busy Lock"},
    {"发射功率", " TX Power"},
    {"信道带宽", " W/N "},
    {"扫描添加", "Scan/Add"},
}};

void CheckColumn(int column) {
  if (column < 0 || column >= kGridColumns) {
    throw std::out_of_range("no grid column " + std::to_string(column));
  }
}

std::string Pick(bool chinese, const char* zh, const char* en) {
  return chinese ? zh : en;
}

std::string ToneCell(StoredTone tone, bool chinese) {
  return ToneText(tone, Pick(chinese, "关", "OFF"));
}

std::string BusyLockCell(BusyLock lock, bool chinese) {
  switch (lock) {
    case BusyLock::Off:
      return Pick(chinese, "关", "Off");
    case BusyLock::Carrier:
      return Pick(chinese, "载波", "Carrier");
    case BusyLock::Tone:
      return "QT/DQT";
    case BusyLock::Unknown:
      break;
  }
  return {};
}

}  // namespace

std::string ChannelColumnCaption(int column, bool chinese) {
  CheckColumn(column);
  return kCaptions[static_cast<std::size_t>(column)].In(chinese);
}

std::string ChannelGridFormatString(bool chinese) {
  std::string format;
  for (int c = 0; c < kGridColumns; ++c) {
    if (c > 0) format += '|';
    format += '^' + ChannelColumnCaption(c, chinese);
  }
  return format;
}

std::string ChannelCellText(const RadioImage& image, int channel, int column, bool chinese) {
  CheckColumn(column);
  const bool empty = ChannelEmpty(image, channel);
  if (column == 0) return std::to_string(channel);
  if (empty) return {};
  const bool hasTx = ChannelHasTx(image, channel);
  switch (column) {
    case kRxColumn:
      return ChannelRxText(image, channel);
    case kTxColumn:
      return hasTx ? ChannelTxText(image, channel) : std::string();
    case kDecodeColumn:
      return ToneCell(ChannelDecodeTone(image, channel), chinese);
    case kEncodeColumn:
      return hasTx ? ToneCell(ChannelEncodeTone(image, channel), chinese) : std::string();
    case kBusyLockColumn:
      return BusyLockCell(ChannelBusyLock(image, channel), chinese);
    case kPowerColumn:
      return ChannelLowPower(image, channel) ? Pick(chinese, "低", "Low")
                                             : Pick(chinese, "高", "High");
    case kBandwidthColumn:
      return ChannelWide(image, channel) ? Pick(chinese, "宽带", "Wide")
                                         : Pick(chinese, "窄带", "Narrow");
    default:
      return ChannelScanAdd(image, channel) ? Pick(chinese, "是", "Yes")
                                            : Pick(chinese, "否", "NO");
  }
}
