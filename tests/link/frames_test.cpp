// Every frame of the protocol, byte for byte.
#include "link/frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Of(const frames::Frame& frame) {
  return Bytes(frame.begin(), frame.end());
}

// Rows 0, 17, 62 and 63 hold distinct values, so a frame carrying the wrong row shows.
RadioImage Pattern() {
  RadioImage image;
  for (int r : {0, 17, 62, 63}) {
    for (int c = 0; c < 33; ++c) image.at(r, c) = static_cast<std::uint8_t>(r * 3 + c);
  }
  return image;
}

Bytes RowOf(const RadioImage& image, int row) {
  Bytes bytes;
  for (int c = 0; c < 16; ++c) bytes.push_back(image.at(row, c));
  return bytes;
}

Bytes Join(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(FramesTest, EveryFrameByteForByte) {
  const RadioImage image = Pattern();
  struct Case {
    const char* name;
    frames::Frame frame;
    Bytes bytes;
  };
  const Case cases[] = {
      {"wake-up", frames::WakeUp(), {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02}},
      {"password request", frames::PasswordRequest(), {0x06, 0x03}},
      {"first block request", frames::BlockRequest(0, true), {0x06, 0x52, 0x00, 0x00, 0x10}},
      {"block 1 request", frames::BlockRequest(1, false), {0x52, 0x00, 0x10, 0x10}},
      {"block 17 request", frames::BlockRequest(17, false), {0x52, 0x01, 0x10, 0x10}},
      {"block 63 request", frames::BlockRequest(63, false), {0x52, 0x03, 0xF0, 0x10}},
      {"first block write", frames::BlockWrite(0, image, true),
       Join({0x06, 0x57, 0x00, 0x00, 0x10}, RowOf(image, 0))},
      {"block 17 write", frames::BlockWrite(17, image, false),
       Join({0x57, 0x01, 0x10, 0x10}, RowOf(image, 17))},
      {"block 62 write", frames::BlockWrite(62, image, false),
       Join({0x57, 0x03, 0xE0, 0x10}, RowOf(image, 62))},
      {"power block", frames::PowerBlock(image),
       Join({0x06, 0x67, 0x03, 0xF0, 0x10}, RowOf(image, 63))},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    EXPECT_EQ(Of(tc.frame), tc.bytes);
  }
  EXPECT_EQ(frames::kAck, 0x06);
  EXPECT_EQ(frames::kEndWrite, 'E');
  EXPECT_EQ(frames::kEndAdjust, 'b');
}

}  // namespace
