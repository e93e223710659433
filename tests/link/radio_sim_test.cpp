// The simulated radio itself: its file format and the parts of its protocol the
// link tests do not reach.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chann_text.h"
#include "radio_model.h"

namespace {

namespace fs = std::filesystem;

std::string TempPath(const std::string& name) {
  return (fs::temp_directory_path() / ("rt410-radio-sim-test-" + name)).string();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ChannTextTest, WritesCrLfLinesAndReadsThemBack) {
  ChannRows rows{};
  for (std::size_t r = 0; r < 256; ++r) {
    for (std::size_t c = 0; c < 16; ++c) rows[r][c] = static_cast<std::uint8_t>((r * 16 + c) % 256);
  }
  const std::string text = ChannText(rows);
  EXPECT_EQ(text.substr(0, 41), "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\r\n16");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 256);

  const std::string path = TempPath("roundtrip.chann");
  std::string error;
  ASSERT_TRUE(WriteChannText(path, rows, error)) << error;
  ChannRows back{};
  ASSERT_TRUE(ReadChannText(path, back, error)) << error;
  EXPECT_EQ(back, rows);
  fs::remove(path);
}

TEST(ChannTextTest, ReadsAnySeparatorAndRejectsBadFiles) {
  std::string commas;
  for (int i = 0; i < 4096; ++i) commas += std::to_string(i % 256) + (i % 7 == 0 ? ",\n" : " , ");
  struct Case {
    const char* name;
    std::string text;
    bool ok;
  };
  const Case cases[] = {
      {"commas and bare line feeds", commas, true},
      {"one number short", commas.substr(0, commas.rfind("255")), false},
      {"a number above 255", "256" + commas.substr(1), false},
      {"a letter", "x" + commas, false},
      {"a minus sign", "-1 " + commas, false},
  };
  const std::string path = TempPath("cases.chann");
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    WriteFile(path, tc.text);
    ChannRows rows{};
    std::string error;
    EXPECT_EQ(ReadChannText(path, rows, error), tc.ok) << error;
    if (tc.ok) {
      EXPECT_EQ(rows[255][15], 255);
    } else {
      EXPECT_FALSE(error.empty());
    }
  }
  fs::remove(path);
  ChannRows rows{};
  std::string error;
  EXPECT_FALSE(ReadChannText(TempPath("missing.chann"), rows, error));
}

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
