#include "features/message_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MessageCodecTest : public ::testing::Test {
 protected:
  void SetUp() override { image.Fill(0xFF); }
  std::string Cells(int row) const {
    std::string s;
    for (int c = 0; c < 16; ++c) s += static_cast<char>(image.at(row, c));
    return s;
  }
  RadioImage image;
};

const std::string kErasedRow(16, '\xFF');

TEST_F(MessageCodecTest, LengthsAcrossTheTwoRows) {
  struct Case {
    std::string text;
    std::string first;
    std::string second;
  };
  const std::string a16 = "ABCDEFGHIJKLMNOP";
  const std::string b16 = "QRSTUVWXYZ012345";
  const Case cases[] = {
      {"", kErasedRow, kErasedRow},
      {"HELLO", "HELLO" + std::string(11, '\xFF'), kErasedRow},
      {a16, a16, kErasedRow},
      {a16 + "Q", a16, "Q" + std::string(15, '\xFF')},
      {a16 + b16, a16, b16},
      {a16 + b16 + "XYZ", a16, b16},  // at most 32 characters are stored
      {"  HI THERE  ", "HI THERE" + std::string(8, '\xFF'), kErasedRow},
  };
  for (const Case& c : cases) {
    EncodeMessage(1, "previous text that is long enough to fill it", image);
    EncodeMessage(1, c.text, image);
    EXPECT_EQ(Cells(48), c.first) << c.text;
    EXPECT_EQ(Cells(49), c.second) << c.text;
  }
}

TEST_F(MessageCodecTest, MessageTwoKeepsToItsRows) {
  EncodeMessage(1, "ONE", image);
  EncodeMessage(2, "TWO", image);
  EXPECT_EQ(Cells(48).substr(0, 4), "ONE\xFF");
  EXPECT_EQ(Cells(50).substr(0, 4), "TWO\xFF");
  EXPECT_EQ(Cells(51), kErasedRow);
  EXPECT_EQ(Cells(52), kErasedRow);
  EXPECT_EQ(Cells(47), kErasedRow);
  EXPECT_EQ(DecodeMessage(1, image), "ONE");
  EXPECT_EQ(DecodeMessage(2, image), "TWO");
}

TEST_F(MessageCodecTest, DecodingShowsOnlyTheCodesTheRadioShows) {
  const std::uint8_t cells[] = {0x20, 0x21, 0x00, 0x41, 0x1F, 0x7F, 0x80, 0xFF, 0x7E, 0xA0};
  for (int k = 0; k < 10; ++k) image.at(49, k) = cells[k];
  image.at(48, 15) = 'Z';
  EXPECT_EQ(DecodeMessage(1, image), std::string("Z") + "!" + "A" + "\x7F" + "~");
}

TEST_F(MessageCodecTest, BlanksInsideAreStoredButNotShown) {
  EncodeMessage(1, "AB CD", image);
  EXPECT_EQ(image.at(48, 2), 0x20);
  EXPECT_EQ(DecodeMessage(1, image), "ABCD");
}

TEST_F(MessageCodecTest, TrimmedLengthAndCut) {
  const std::string x40(40, 'X');
  EXPECT_EQ(TrimmedLength("  AB  "), 2u);
  EXPECT_EQ(TrimmedLength("    "), 0u);
  EXPECT_EQ(CutToMessageLength(x40), std::string(32, 'X'));
  EXPECT_EQ(CutToMessageLength("  " + x40), "  " + std::string(32, 'X'));
  EXPECT_EQ(CutToMessageLength("ABC"), "ABC");
  EXPECT_EQ(CutToMessageLength("   "), "   ");
  for (char allowed : {' ', '!', 'a', '~', '\x7F'}) EXPECT_TRUE(MessageCharAllowed(allowed));
  for (char32_t refused : {U'\t', U'\x1F', U'\x80', U'\xE9', U'中'}) {
    EXPECT_FALSE(MessageCharAllowed(refused));
  }
}

}  // namespace
