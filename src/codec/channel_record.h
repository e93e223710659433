#pragma once
// Channel n (1..16) is image row n, columns 0..15.
//   0-3 receive frequency (column 0 = 0xFF: channel empty)
//   4-7 transmit frequency (column 4 = 0xFF: no transmit frequency, no encode tone)
//   8/9 decode tone, 10/11 encode tone, 12 option bits, 13 spot-frequency flags.
#include <cstdint>
#include <string>

#include "codec/frequency.h"
#include "codec/tones.h"
#include "image/radio_image.h"

inline constexpr int kChannelCount = 16;
inline constexpr int kRxFreqCol = 0;
inline constexpr int kTxFreqCol = 4;
inline constexpr int kDecodeToneCol = 8;
inline constexpr int kEncodeToneCol = 10;
inline constexpr int kOptionCol = 12;
inline constexpr int kSpotCol = 13;

// Column 12.
inline constexpr std::uint8_t kPowerLowBit = 0x80;  // 1 low, 0 high
inline constexpr std::uint8_t kWideBit = 0x40;      // 1 wide, 0 narrow
inline constexpr std::uint8_t kScanAddBit = 0x20;   // 1 in the scan list
inline constexpr std::uint8_t kBusyLockMask = 0x18;
inline constexpr std::uint8_t kNewChannelOptions = 0x60;  // high, wide, scan add, busy off

enum class BusyLock { Off = 0, Carrier = 1, Tone = 3, Unknown = 2 };

bool ChannelEmpty(const RadioImage& image, int n);
bool ChannelHasTx(const RadioImage& image, int n);
Freq10Hz ChannelRx(const RadioImage& image, int n);
Freq10Hz ChannelTx(const RadioImage& image, int n);
std::string ChannelRxText(const RadioImage& image, int n);
std::string ChannelTxText(const RadioImage& image, int n);

StoredTone ChannelDecodeTone(const RadioImage& image, int n);
StoredTone ChannelEncodeTone(const RadioImage& image, int n);
void SetChannelDecodeTone(RadioImage& image, int n, int listPosition);
void SetChannelEncodeTone(RadioImage& image, int n, int listPosition);

bool ChannelLowPower(const RadioImage& image, int n);
bool ChannelWide(const RadioImage& image, int n);
bool ChannelScanAdd(const RadioImage& image, int n);
BusyLock ChannelBusyLock(const RadioImage& image, int n);
void SetChannelLowPower(RadioImage& image, int n, bool low);
void SetChannelWide(RadioImage& image, int n, bool wide);
void SetChannelScanAdd(RadioImage& image, int n, bool add);
// Off, Carrier or Tone; bits 2-0 and the other fields are kept.
void SetChannelBusyLock(RadioImage& image, int n, BusyLock lock);

// Tones off, options 0x60, columns 13..15 = 0xFF. Frequencies are written apart.
void New_Chann(RadioImage& image, int n);
// All 16 columns 0xFF.
void ClearChannel(RadioImage& image, int n);
// Removes the transmit frequency (columns 4..7 = 0xFF) and switches the encode tone
// off. The grid writes "off" as (0, 0), the edit dialog as (0xFF, 0xFF); both read
// as no tone.
inline constexpr StoredTone kGridToneOff{0, 0};
inline constexpr StoredTone kErasedTone{0xFF, 0xFF};
void ClearChannelTx(RadioImage& image, int n, StoredTone encodeOff);

// The values the channel edit dialog gives a channel it creates (the receive
// frequency is written apart): tones (0xFF, 0xFF), options 0 (high power, narrow,
// no scan add, busy lock off), columns 13..15 = 0xBF, 0xB0, 0xF8, and the channel's
// bit in (23, 14) for channels 1..8 or (23, 15) for channels 9..16.
void NewDialogChannel(RadioImage& image, int n);

// Recomputes column 13 of every channel from the spot-frequency windows.
void MarkSpotFrequencies(RadioImage& image);
// True when f lies in one of the spot windows (both ends included).
bool InSpotWindow(Freq10Hz f);
