#pragma once
// Row 22: how the radio scans.
//   0    priority mode: 0 none, 1 fixed channel, 2 selected channel
//   1    priority channel 1..16 (fixed mode)
//   2, 3 look-back time A, B: 0 or 2..91; v >= 1 is 0.45 + 0.05 * v seconds, 0 is 0.50
//   4    revert channel: 0 selected, 1 selected + talk back, 2 priority, 3 priority + talk back
//   5/6  dropout delay, 7/8 TX dwell time: seconds 0..300, low byte first
#include <cstdint>
#include <string>

#include "image/radio_image.h"

inline constexpr int kScanRow = 22;
inline constexpr Cell kScanPriorityModeCell{kScanRow, 0};
inline constexpr Cell kScanPriorityChannelCell{kScanRow, 1};
inline constexpr Cell kScanLookBackACell{kScanRow, 2};
inline constexpr Cell kScanLookBackBCell{kScanRow, 3};
inline constexpr Cell kScanRevertCell{kScanRow, 4};
// The two delays: low byte here, high byte in the next cell.
inline constexpr Cell kScanDropoutDelayCell{kScanRow, 5};
inline constexpr Cell kScanTxDwellCell{kScanRow, 7};

inline constexpr int kScanPriorityModes = 3;
inline constexpr int kLookBackEntries = 91;    // 0.50 .. 5.00 s
inline constexpr int kScanDelayEntries = 301;  // 0 .. 300 s

// The mode list entry of a stored mode; anything beyond 2 reads as 2.
int ScanPriorityMode(std::uint8_t stored);
bool ValidPriorityChannel(int n);

// "0.50", "0.55" .. "5.00".
std::string LookBackText(int index);
// List index 0 is stored as 0, index i >= 1 as i + 1.
std::uint8_t LookBackCode(int index);
// 0 and 1 give entry 0, 91 the last entry, anything above 91 the one before it.
int LookBackIndex(std::uint8_t stored);

// Revert codes offered in a mode: RevertFirstCode(mode) .. + RevertEntryCount(mode) - 1.
int RevertFirstCode(int mode);
int RevertEntryCount(int mode);
std::uint8_t RevertCode(int mode, int index);
// The list entry of a stored code; beyond the list gives its last entry.
int RevertIndex(int mode, std::uint8_t stored);

// The list entry of a stored delay (two bytes, low first); above 300 gives 300.
int ScanDelayIndex(std::uint8_t low, std::uint8_t high);
int ScanDelayIndex(const RadioImage& image, Cell low);
void StoreScanDelay(Cell low, int seconds, RadioImage& image);
