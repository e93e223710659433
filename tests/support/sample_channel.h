#pragma once
// Channel 2 of the CSV layout's own example, as the grid would store it: receive
// 136.125, transmit 438.00625, decode D023I, encode 88.5, low power, narrow, busy
// lock QT/DQT, not in the scan list. Plain C++, for core and window tests alike.
#include <string>

#include "codec/channel_record.h"
#include "codec/tones.h"

inline void StoreExampleChannel(RadioImage& image) {
  std::string rx = "136.125", tx = "438.00625";
  StoreFreqText(image, rx, 2, kRxFreqCol);
  New_Chann(image, 2);
  StoreFreqText(image, tx, 2, kTxFreqCol);
  SetChannelDecodeTone(image, 2, 156);
  SetChannelEncodeTone(image, 2, 9);
  image.at(2, kOptionCol) = 0x98;
}
