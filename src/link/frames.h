#pragma once
// Every frame of the programming protocol, built in one place. Blocks are 16 bytes;
// block b is radio addresses 16 * b .. 16 * b + 15 and image row b, columns 0..15.
#include <array>
#include <cstdint>

#include "image/radio_image.h"

namespace frames {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kEndWrite = 0x45;   // "E", after the last written block
inline constexpr std::uint8_t kEndAdjust = 0x62;  // "b", when the power window lets go
inline constexpr int kPowerBlock = 63;            // the transmit power calibration
// The model identification the radio answers a wake-up with.
inline constexpr std::array<std::uint8_t, 5> kIdentification = {'R', 'T', '4', '1', '0'};

// Up to the longest frame: acknowledge, command, address, length, 16 data bytes.
struct Frame {
  std::array<std::uint8_t, 21> bytes{};
  int size = 0;

  void Add(std::uint8_t byte) { bytes[static_cast<std::size_t>(size++)] = byte; }
  const std::uint8_t* begin() const { return bytes.data(); }
  const std::uint8_t* end() const { return bytes.data() + size; }
};

// "PROGRAM" 0x02.
Frame WakeUp();
// 0x06 0x03: the read asks for the radio's password.
Frame PasswordRequest();
// "R", address high and low byte, length 16; the first request leads with 0x06.
Frame BlockRequest(int block, bool ackFirst);
// "W", address, length 16 and image row block; the first block leads with 0x06.
// The row is read from the image now, as the frame is built.
Frame BlockWrite(int block, const RadioImage& image, bool ackFirst);
// 0x06 "g" 0x03 0xF0 0x10 and image row 63.
Frame PowerBlock(const RadioImage& image);

}  // namespace frames

// The cells of rows 61 and 63 the link itself writes.
inline constexpr Cell kIdentificationCell{61, 0};  // five cells: "RT410", stamped before a write
inline constexpr Cell kModelCodeCell{61, 5};       // the model and band code, likewise
inline constexpr Cell kLowPowerCell{63, 0};        // low transmit power level 0..255
inline constexpr Cell kHighPowerCell{63, 1};       // high transmit power level 0..255
inline constexpr Cell kAdjustedLevelCell{63, 2};   // level under adjustment: 0 low, 1 high
