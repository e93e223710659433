#include "codec/channel_record.h"

#include <stdexcept>

namespace {

void CheckChannel(int n) {
  if (n < 1 || n > kChannelCount) throw std::out_of_range("no channel " + std::to_string(n));
}

Freq10Hz FreqAt(const RadioImage& image, int n, int c) {
  CheckChannel(n);
  return FreqFromBcd(image.at(n, c), image.at(n, c + 1), image.at(n, c + 2), image.at(n, c + 3));
}

bool AnyErased(const RadioImage& image, int n, int c) {
  for (int i = 0; i < 4; ++i) {
    if (image.at(n, c + i) == RadioImage::kErased) return true;
  }
  return false;
}

void SetBits(RadioImage& image, int n, std::uint8_t mask, std::uint8_t value) {
  CheckChannel(n);
  std::uint8_t& cell = image.at(n, kOptionCol);
  cell = static_cast<std::uint8_t>((cell & ~mask) | (value & mask));
}

void SetTone(RadioImage& image, int n, int col, int listPosition) {
  CheckChannel(n);
  const StoredTone t = EncodeTone(listPosition);
  image.at(n, col) = t.polarity;
  image.at(n, col + 1) = t.code;
}

struct SpotWindow {
  Freq10Hz from, to;
};

constexpr Freq10Hz At(std::int64_t mhz, std::int64_t hundredths) {
  return {mhz * Freq10Hz::kPerMHz + hundredths * 1000};
}

// Searched in this order; window 0 starts at 400.00 and window 6 ends at 424.00.
constexpr SpotWindow kSpotWindows[] = {
    {At(400, 0), At(400, 1)},   {At(403, 99), At(404, 1)}, {At(407, 99), At(408, 1)},
    {At(411, 99), At(412, 1)},  {At(415, 99), At(416, 1)}, {At(419, 99), At(420, 1)},
    {At(423, 99), At(424, 0)},  {At(427, 99), At(428, 1)}, {At(431, 99), At(432, 1)},
    {At(435, 99), At(436, 1)},  {At(439, 99), At(440, 1)}, {At(443, 99), At(444, 1)},
    {At(447, 99), At(448, 1)},  {At(451, 99), At(452, 1)}, {At(455, 99), At(456, 1)},
    {At(459, 99), At(460, 1)},  {At(463, 99), At(464, 1)}, {At(467, 99), At(468, 1)},
    {At(409, 59), At(409, 61)},
};

}  // namespace

bool ChannelEmpty(const RadioImage& image, int n) {
  CheckChannel(n);
  return image.at(n, kRxFreqCol) == RadioImage::kErased;
}

bool ChannelHasTx(const RadioImage& image, int n) {
  CheckChannel(n);
  return image.at(n, kTxFreqCol) != RadioImage::kErased;
}

Freq10Hz ChannelRx(const RadioImage& image, int n) {
  return FreqAt(image, n, kRxFreqCol);
}
Freq10Hz ChannelTx(const RadioImage& image, int n) {
  return FreqAt(image, n, kTxFreqCol);
}
std::string ChannelRxText(const RadioImage& image, int n) {
  return FreqText(ChannelRx(image, n));
}
std::string ChannelTxText(const RadioImage& image, int n) {
  return FreqText(ChannelTx(image, n));
}

StoredTone ChannelDecodeTone(const RadioImage& image, int n) {
  CheckChannel(n);
  return {image.at(n, kDecodeToneCol), image.at(n, kDecodeToneCol + 1)};
}

StoredTone ChannelEncodeTone(const RadioImage& image, int n) {
  CheckChannel(n);
  return {image.at(n, kEncodeToneCol), image.at(n, kEncodeToneCol + 1)};
}

void SetChannelDecodeTone(RadioImage& image, int n, int listPosition) {
  SetTone(image, n, kDecodeToneCol, listPosition);
}

void SetChannelEncodeTone(RadioImage& image, int n, int listPosition) {
  SetTone(image, n, kEncodeToneCol, listPosition);
}

bool ChannelLowPower(const RadioImage& image, int n) {
  CheckChannel(n);
  return (image.at(n, kOptionCol) & kPowerLowBit) != 0;
}

bool ChannelWide(const RadioImage& image, int n) {
  CheckChannel(n);
  return (image.at(n, kOptionCol) & kWideBit) != 0;
}

bool ChannelScanAdd(const RadioImage& image, int n) {
  CheckChannel(n);
  return (image.at(n, kOptionCol) & kScanAddBit) != 0;
}

BusyLock ChannelBusyLock(const RadioImage& image, int n) {
  CheckChannel(n);
  return static_cast<BusyLock>((image.at(n, kOptionCol) & kBusyLockMask) >> 3);
}

void SetChannelLowPower(RadioImage& image, int n, bool low) {
  SetBits(image, n, kPowerLowBit, low ? kPowerLowBit : 0);
}

void SetChannelWide(RadioImage& image, int n, bool wide) {
  SetBits(image, n, kWideBit, wide ? kWideBit : 0);
}

void SetChannelScanAdd(RadioImage& image, int n, bool add) {
  SetBits(image, n, kScanAddBit, add ? kScanAddBit : 0);
}

void SetChannelBusyLock(RadioImage& image, int n, BusyLock lock) {
  SetBits(image, n, kBusyLockMask, static_cast<std::uint8_t>(static_cast<int>(lock) << 3));
}

void New_Chann(RadioImage& image, int n) {
  CheckChannel(n);
  for (int c = kDecodeToneCol; c <= kEncodeToneCol + 1; ++c) image.at(n, c) = 0;
  image.at(n, kOptionCol) = kNewChannelOptions;
  for (int c = kSpotCol; c <= 15; ++c) image.at(n, c) = RadioImage::kErased;
}

void ClearChannel(RadioImage& image, int n) {
  CheckChannel(n);
  for (int c = 0; c < RadioImage::kBlockBytes; ++c) image.at(n, c) = RadioImage::kErased;
}

void ClearChannelTx(RadioImage& image, int n, StoredTone encodeOff) {
  CheckChannel(n);
  for (int c = kTxFreqCol; c < kTxFreqCol + 4; ++c) image.at(n, c) = RadioImage::kErased;
  image.at(n, kEncodeToneCol) = encodeOff.polarity;
  image.at(n, kEncodeToneCol + 1) = encodeOff.code;
}

void NewDialogChannel(RadioImage& image, int n) {
  CheckChannel(n);
  for (int c = kDecodeToneCol; c <= kEncodeToneCol + 1; ++c) image.at(n, c) = RadioImage::kErased;
  image.at(n, kOptionCol) = 0;
  image.at(n, 13) = 0xBF;
  image.at(n, 14) = 0xB0;
  image.at(n, 15) = 0xF8;
  const int bit = (n - 1) % 8;
  image.at(23, n <= 8 ? 14 : 15) |= static_cast<std::uint8_t>(1 << bit);
}

bool InSpotWindow(Freq10Hz f) {
  for (const SpotWindow& w : kSpotWindows) {
    if (w.from <= f && f <= w.to) return true;
  }
  return false;
}

void MarkSpotFrequencies(RadioImage& image) {
  for (int n = 1; n <= kChannelCount; ++n) {
    if (AnyErased(image, n, kRxFreqCol)) continue;
    image.at(n, kSpotCol) = InSpotWindow(ChannelRx(image, n)) ? 1 : 0;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (AnyErased(image, n, kTxFreqCol)) continue;
    if (InSpotWindow(ChannelTx(image, n))) image.at(n, kSpotCol) |= 2;
  }
}
