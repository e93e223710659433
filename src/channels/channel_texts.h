#pragma once
// The channel grid's texts: column captions and what each cell shows for a
// channel record, in either language. The grid, the command line and printed
// channel sheets all take their texts from here, so they read the same.
#include <string>

class RadioImage;

// A text in both languages, Chinese first.
struct TextPair {
  const char* chinese = nullptr;
  const char* english = nullptr;

  explicit operator bool() const { return chinese != nullptr; }
  const char* In(bool inChinese) const { return inChinese ? chinese : english; }
};

// The grid's columns: 0 channel number, 1 receive and 2 transmit frequency,
// 3 decode and 4 encode tone, 5 busy lock, 6 power, 7 bandwidth, 8 scan add.
enum GridColumn : int {
  kChannelColumn,
  kRxColumn,
  kTxColumn,
  kDecodeColumn,
  kEncodeColumn,
  kBusyLockColumn,
  kPowerColumn,
  kBandwidthColumn,
  kScanAddColumn,
  kGridColumns
};

// The header text of a column, as the grid shows it (" Channel ", "RX Frequency").
std::string ChannelColumnCaption(int column, bool chinese);
// The grid's format string: every caption centred ("^"), joined by "|".
std::string ChannelGridFormatString(bool chinese);

// The text the grid shows in column `column` of channel n's row: the channel
// number in column 0, nothing in the other columns of an empty channel or in the
// transmit and encode columns of a channel without transmit frequency. A busy lock
// with bits 10 has no text (""): the grid then keeps what the cell showed before.
// Throws std::out_of_range for a channel outside 1..16 or a column outside 0..8.
std::string ChannelCellText(const RadioImage& image, int channel, int column, bool chinese);
