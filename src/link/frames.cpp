#include "link/frames.h"

namespace frames {
namespace {

void AddHeader(Frame& frame, std::uint8_t command, int block, bool ackFirst) {
  if (ackFirst) frame.Add(kAck);
  frame.Add(command);
  frame.Add(static_cast<std::uint8_t>(block / 16));
  frame.Add(static_cast<std::uint8_t>((16 * block) % 256));
  frame.Add(RadioImage::kBlockBytes);
}

void AddRow(Frame& frame, const RadioImage& image, int row) {
  for (int c = 0; c < RadioImage::kBlockBytes; ++c) frame.Add(image.at(row, c));
}

}  // namespace

Frame WakeUp() {
  Frame frame;
  for (char b : {'P', 'R', 'O', 'G', 'R', 'A', 'M', '\x02'})
    frame.Add(static_cast<std::uint8_t>(b));
  return frame;
}

Frame PasswordRequest() {
  Frame frame;
  frame.Add(kAck);
  frame.Add(0x03);
  return frame;
}

Frame BlockRequest(int block, bool ackFirst) {
  Frame frame;
  AddHeader(frame, 'R', block, ackFirst);
  return frame;
}

Frame BlockWrite(int block, const RadioImage& image, bool ackFirst) {
  Frame frame;
  AddHeader(frame, 'W', block, ackFirst);
  AddRow(frame, image, block);
  return frame;
}

Frame PowerBlock(const RadioImage& image) {
  Frame frame;
  AddHeader(frame, 'g', kPowerBlock, true);
  AddRow(frame, image, kPowerBlock);
  return frame;
}

}  // namespace frames
