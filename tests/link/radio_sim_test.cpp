// The simulated radio itself: the parts of its protocol the link tests do not reach.
#include <gtest/gtest.h>

#include "radio_model.h"

namespace {

std::vector<std::uint8_t> Feed(RadioModel& radio, const std::vector<std::uint8_t>& bytes,
                               std::int64_t& t) {
  std::vector<std::uint8_t> out;
  for (std::uint8_t b : bytes) {
    t += 1'041'667;
    const auto reply = radio.Receive(b, t);
    out.insert(out.end(), reply.begin(), reply.end());
  }
  return out;
}

TEST(RadioModelTest, AWakeUpWhileLinkedStartsANewSession) {
  RadioModel radio;
  radio.memory()[0x3F0] = 7;
  std::int64_t t = 0;
  const std::vector<std::uint8_t> wake = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
  EXPECT_EQ(Feed(radio, wake, t).size(), 9u);
  EXPECT_TRUE(radio.Linked());
  // A write frame cut short, then a restart after the pause.
  Feed(radio, {0x57, 0x00, 0x10, 0x10, 1, 2, 3}, t);
  t += 6'000'000'000;
  const auto reply = Feed(radio, wake, t);
  ASSERT_EQ(reply.size(), 9u);
  EXPECT_EQ(reply[6], 7);
  EXPECT_EQ(radio.WakeUps(), 2);
  EXPECT_EQ(radio.BlocksWritten(), 0);
  EXPECT_EQ(radio.memory()[0x10], 0xFF);
}

TEST(RadioModelTest, RequestsOutsideTheMemoryAreRefused) {
  RadioModel radio;
  std::int64_t t = 0;
  Feed(radio, {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02}, t);
  EXPECT_TRUE(Feed(radio, {0x52, 0x04, 0x00, 0x10}, t).empty());
  EXPECT_TRUE(Feed(radio, {0x52, 0x00, 0x08, 0x10}, t).empty());
  const auto block = Feed(radio, {0x52, 0x03, 0xF0, 0x10}, t);
  ASSERT_EQ(block.size(), 21u);
  EXPECT_EQ(block[0], 'W');
  EXPECT_EQ(block[1], 0x03);
  EXPECT_EQ(block[2], 0xF0);
}

}  // namespace
