#include "features/scan_codec.h"

#include <algorithm>

int ScanPriorityMode(std::uint8_t stored) {
  return std::min<int>(stored, kScanPriorityModes - 1);
}

bool ValidPriorityChannel(int n) {
  return n >= 1 && n <= 16;
}

std::string LookBackText(int index) {
  const int hundredths = 50 + 5 * index;
  const int fraction = hundredths % 100;
  return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
}

std::uint8_t LookBackCode(int index) {
  return static_cast<std::uint8_t>(index == 0 ? 0 : index + 1);
}

int LookBackIndex(std::uint8_t stored) {
  int v = stored;
  if (v > kLookBackEntries) v = kLookBackEntries - 1;
  if (v > 0) --v;
  return v;
}

int RevertFirstCode(int mode) {
  return mode == 2 ? 2 : 0;
}

int RevertEntryCount(int mode) {
  return mode == 1 ? 4 : 2;
}

std::uint8_t RevertCode(int mode, int index) {
  return static_cast<std::uint8_t>(index + RevertFirstCode(mode));
}

int RevertIndex(int mode, std::uint8_t stored) {
  int r = stored;
  if (mode == 2 && r > 1) r -= 2;
  return std::min(r, RevertEntryCount(mode) - 1);
}

int ScanDelayIndex(std::uint8_t low, std::uint8_t high) {
  return std::min(high * 256 + low, kScanDelayEntries - 1);
}

int ScanDelayIndex(const RadioImage& image, Cell low) {
  return ScanDelayIndex(image.at(low), image.at(low.row, low.col + 1));
}

void StoreScanDelay(Cell low, int seconds, RadioImage& image) {
  image.at(low) = static_cast<std::uint8_t>(seconds % 256);
  image.at(low.row, low.col + 1) = static_cast<std::uint8_t>(seconds / 256);
}
