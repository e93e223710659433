#include "files/channel_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "shell/radio_document.h"

namespace {

// Every cell outside the file's region gets a value of its own, so a stray write shows.
void MarkOutsideCells(RadioImage& image) {
  for (int row = 0; row < RadioImage::kRows; ++row) {
    for (int col = 0; col < RadioImage::kCols; ++col) {
      if (row >= kChannelFileRows || col >= kChannelFileCols) {
        image.at(row, col) = static_cast<std::uint8_t>((row * 7 + col * 13 + 1) % 256);
      }
    }
  }
}

void FillFileCells(RadioImage& image, std::uint8_t value) {
  for (int row = 0; row < kChannelFileRows; ++row) {
    for (int col = 0; col < kChannelFileCols; ++col) image.at(row, col) = value;
  }
}

RadioImage RandomImage(std::mt19937& random) {
  RadioImage image;
  std::uniform_int_distribution<int> byte(0, 255);
  for (int row = 0; row < RadioImage::kRows; ++row) {
    for (int col = 0; col < RadioImage::kCols; ++col) {
      image.at(row, col) = static_cast<std::uint8_t>(byte(random));
    }
  }
  return image;
}

// The file's cells of a, with every other cell of b.
RadioImage FileCellsOver(const RadioImage& a, RadioImage b) {
  for (int row = 0; row < kChannelFileRows; ++row) {
    for (int col = 0; col < kChannelFileCols; ++col) b.at(row, col) = a.at(row, col);
  }
  return b;
}

// A file of 4096 numbers, each written as item(n), joined by sep(n) after it.
template <class Item, class Sep>
std::string BuildText(Item item, Sep sep) {
  std::string text;
  for (int n = 0; n < kChannelFileNumbers; ++n) text += item(n) + sep(n);
  return text;
}

std::string Value(int n) {
  return std::to_string((n * 37 + 11) % 256);
}

RadioImage ExpectedFromValue(RadioImage image) {
  for (int n = 0; n < kChannelFileNumbers; ++n) {
    image.at(n / 16, n % 16) = static_cast<std::uint8_t>((n * 37 + 11) % 256);
  }
  return image;
}

TEST(ChannelFileText, WritesSixteenNumbersPerLineWithCrLf) {
  RadioImage image;
  for (int row = 0; row < kChannelFileRows; ++row) {
    for (int col = 0; col < kChannelFileCols; ++col) {
      image.at(row, col) = static_cast<std::uint8_t>(row * 16 + col);
    }
  }
  MarkOutsideCells(image);
  const std::string text = ChannelFileText(image);
  EXPECT_TRUE(
      text.starts_with("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\r\n"
                       "16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31\r\n"));
  EXPECT_TRUE(
      text.ends_with("\r\n240 241 242 243 244 245 246 247 248 249 250 251 252 253 254 255\r\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 256);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 256);
  EXPECT_EQ(text.find("\n", 0) - 1, text.find("\r", 0));
  EXPECT_EQ(text.find("  "), std::string::npos);
  EXPECT_EQ(text.find(" \r"), std::string::npos);
  // Every value 0..255 sixteen times, 15 spaces and a CR LF per line.
  EXPECT_EQ(text.size(), 16u * (10 * 1 + 90 * 2 + 156 * 3) + 256u * 15 + 256u * 2);
}

TEST(ChannelFileText, FreshImageRoundTripsAndOnlyItsCells) {
  RadioImage saved = StartupImage();
  MarkOutsideCells(saved);
  const std::string text = ChannelFileText(saved);

  std::mt19937 random(7);
  RadioImage target = RandomImage(random);
  const RadioImage before = target;
  const ChannelFileCheck check = LoadChannelFileText(text, target);
  ASSERT_TRUE(check.Loaded());
  EXPECT_EQ(check.numbers, 4096);
  EXPECT_EQ(target, FileCellsOver(saved, before));
  EXPECT_EQ(ChannelFileText(target), text);
}

TEST(ChannelFileText, EveryByteValueRoundTrips) {
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    const RadioImage source = RandomImage(random);
    RadioImage target = RandomImage(random);
    const RadioImage before = target;
    ASSERT_TRUE(LoadChannelFileText(ChannelFileText(source), target).Loaded());
    EXPECT_EQ(target, FileCellsOver(source, before)) << round;
  }
}

struct LenientCase {
  const char* name;
  std::string text;
};

class ChannelFileLenient : public ::testing::TestWithParam<LenientCase> {};

TEST_P(ChannelFileLenient, Loads) {
  RadioImage image;
  MarkOutsideCells(image);
  FillFileCells(image, 0xA5);
  const RadioImage before = image;
  const ChannelFileCheck check = LoadChannelFileText(GetParam().text, image);
  ASSERT_TRUE(check.Loaded()) << static_cast<int>(check.fault) << " at " << check.line << ":"
                              << check.position << " " << check.item;
  EXPECT_EQ(image, ExpectedFromValue(before));
}

const auto kSpace = [](int) { return std::string(" "); };
const auto kCrLfLines = [](int n) { return std::string(n % 16 == 15 ? "\r\n" : " "); };
const auto kLfLines = [](int n) { return std::string(n % 16 == 15 ? "\n" : " "); };

INSTANTIATE_TEST_SUITE_P(
    Separators, ChannelFileLenient,
    ::testing::Values(
        LenientCase{"AsWritten", BuildText(Value, kCrLfLines)},
        LenientCase{"Commas", BuildText(Value, [](int) { return std::string(","); })},
        LenientCase{"CommaAndSpace", BuildText(Value, [](int) { return std::string(", "); })},
        LenientCase{"EmptyFieldsBetweenCommas",
                    BuildText(Value, [](int) { return std::string(",,"); })},
        LenientCase{"SeveralSpaces", BuildText(Value, [](int n) {
                      return std::string(static_cast<std::size_t>(1 + n % 5), ' ');
                    })},
        LenientCase{"Tabs", BuildText(Value, [](int) { return std::string("\t"); })},
        LenientCase{"LfOnly", BuildText(Value, kLfLines)},
        LenientCase{"CrOnly",
                    BuildText(Value, [](int n) { return std::string(n % 16 == 15 ? "\r" : " "); })},
        LenientCase{"NoFinalLineEnd",
                    BuildText(Value, [](int n) { return n == 4095 ? std::string() : " "; })},
        LenientCase{"AllOnOneLine", BuildText(Value, kSpace)},
        LenientCase{"OneNumberPerLine", BuildText(Value, [](int) { return std::string("\r\n"); })},
        LenientCase{"LeadingSeparatorsAndBlankLines", "\r\n\r\n  , \t" + BuildText(Value, kLfLines)},
        LenientCase{"LeadingZeros",
                    BuildText([](int n) { return "00" + Value(n); }, kCrLfLines)},
        LenientCase{"ByteOrderMark", "\xEF\xBB\xBF" + BuildText(Value, kCrLfLines)},
        LenientCase{"AnythingAfterTheLast", BuildText(Value, kCrLfLines) + "end of file \x01\xFF"},
        LenientCase{"ExactlyTheSizeLimit", [] {
                      std::string text = BuildText(Value, kCrLfLines);
                      return text + std::string(kChannelFileMaxBytes - text.size(), ' ');
                    }()}),
    [](const auto& p) { return std::string(p.param.name); });

struct BadCase {
  const char* name;
  std::string text;
  ChannelFileFault fault;
  int numbers;
  int line;
  int position;
  const char* item;
};

// The file as written from an image of all 255: "255 255 ... 255\r\n" on every line.
std::string Erased(int replaced, const std::string& item) {
  return BuildText([&](int n) { return n == replaced ? item : std::string("255"); }, kCrLfLines);
}

class ChannelFileBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(ChannelFileBad, IsRefusedAndChangesNothing) {
  const BadCase& c = GetParam();
  std::mt19937 random(3);
  RadioImage image = RandomImage(random);
  const RadioImage before = image;
  const ChannelFileCheck check = LoadChannelFileText(c.text, image);
  EXPECT_FALSE(check.Loaded());
  EXPECT_EQ(check.fault, c.fault);
  EXPECT_EQ(check.numbers, c.numbers);
  EXPECT_EQ(check.line, c.line);
  EXPECT_EQ(check.position, c.position);
  EXPECT_EQ(check.item, c.item);
  EXPECT_EQ(image, before);
}

using F = ChannelFileFault;
INSTANTIATE_TEST_SUITE_P(
    Faults, ChannelFileBad,
    ::testing::Values(
        BadCase{"Empty", "", F::TooFewNumbers, 0, 0, 0, ""},
        BadCase{"OnlySeparators", " ,\r\n\t", F::TooFewNumbers, 0, 0, 0, ""},
        BadCase{"OneShort", Erased(-1, "").substr(0, 4096 * 4 + 256 - 5), F::TooFewNumbers, 4095, 0,
                0, ""},
        // 30 lines of 65 bytes, 12 numbers and the "25" of the 13th.
        BadCase{"CutInTheMiddle", Erased(-1, "").substr(0, 2000), F::TooFewNumbers, 493, 0, 0, ""},
        BadCase{"Above255", Erased(0, "256"), F::OutOfRange, 0, 1, 1, "256"},
        BadCase{"Thousand", Erased(16 * 10 + 3, "1000"), F::OutOfRange, 163, 11, 13, "1000"},
        BadCase{"HugeNumber", Erased(4095, "99999999999999999999999"), F::OutOfRange, 4095, 256, 61,
                "9999999999999999..."},
        BadCase{"Negative", Erased(17, "-1"), F::OutOfRange, 17, 2, 5, "-1"},
        BadCase{"MinusAlone", Erased(17, "-"), F::NotANumber, 17, 2, 5, "-"},
        BadCase{"OneLineTwice", Erased(-1, "") + Erased(-1, "").substr(0, 64), F::TooManyNumbers,
                4112, 0, 0, ""},
        BadCase{"MoreNumbersAmongText", Erased(-1, "") + "end 1 2 -3 999 x\r\n", F::TooManyNumbers,
                4100, 0, 0, ""},
        BadCase{"PlusSign", Erased(5, "+5"), F::NotANumber, 5, 1, 21, "+5"},
        BadCase{"Fraction", Erased(4095, "1.5"), F::NotANumber, 4095, 256, 61, "1.5"},
        BadCase{"Hex", Erased(32, "0x1F"), F::NotANumber, 32, 3, 1, "0x1F"},
        BadCase{"Word", Erased(33, "abc"), F::NotANumber, 33, 3, 5, "abc"},
        BadCase{"DigitsThenLetter", Erased(34, "12a"), F::NotANumber, 34, 3, 9, "12a"},
        BadCase{"NulByte", Erased(35, std::string("1\0", 2) + "2"), F::NotANumber, 35, 3, 13,
                "1?2"},
        BadCase{"FormFeed", Erased(36, "\f"), F::NotANumber, 36, 3, 17, "?"},
        BadCase{"NonAscii", Erased(37, "\xE4\xB8\x80"), F::NotANumber, 37, 3, 21, "???"},
        BadCase{"LfOnlyLinesCount", "1\n2\n3\nx", F::NotANumber, 3, 4, 1, "x"},
        BadCase{"LoneCrLinesCount", "1\r2\r\n3 x", F::NotANumber, 3, 3, 3, "x"},
        BadCase{"TooLarge", Erased(-1, "") + std::string(kChannelFileMaxBytes, ' '), F::TooLarge, 0,
                0, 0, ""}),
    [](const auto& p) { return std::string(p.param.name); });

// An independent reading of a text: what a channel file loader must make of it.
struct Expected {
  bool loads = false;
  ChannelFileFault fault = ChannelFileFault::None;
  std::vector<int> numbers;
};

Expected Oracle(std::string text) {
  Expected e;
  if (text.size() > kChannelFileMaxBytes) {
    e.fault = ChannelFileFault::TooLarge;
    return e;
  }
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  for (char& c : text) {
    if (c == ',' || c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  std::size_t i = 0;
  while (e.numbers.size() < 4096) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) {
      e.fault = ChannelFileFault::TooFewNumbers;
      return e;
    }
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string item = text.substr(i, end - i);
    i = end;
    const bool negative = item.size() > 1 && item[0] == '-';
    if (!std::all_of(item.begin() + (negative ? 1 : 0), item.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
      e.fault = ChannelFileFault::NotANumber;
      return e;
    }
    if (negative) {
      e.fault = ChannelFileFault::OutOfRange;
      return e;
    }
    const std::size_t first = std::min(item.find_first_not_of('0'), item.size() - 1);
    const std::string digits = item.substr(first);
    if (digits.size() > 3 || std::stoi(digits) > 255) {
      e.fault = ChannelFileFault::OutOfRange;
      return e;
    }
    e.numbers.push_back(std::stoi(digits));
  }
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string item = text.substr(i, end - i);
    i = end;
    if (item.empty()) continue;
    const std::size_t digitsFrom = item[0] == '-' ? 1 : 0;
    if (item.size() > digitsFrom &&
        item.find_first_not_of("0123456789", digitsFrom) == std::string::npos) {
      e.fault = ChannelFileFault::TooManyNumbers;
      return e;
    }
  }
  e.loads = true;
  return e;
}

std::string Damaged(const std::string& good, std::mt19937& random) {
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n == 0 ? 0 : n - 1)(random);
  };
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text = good;
  switch (pick(7)) {
    case 0:  // cut short
      text.resize(pick(text.size() + 1));
      break;
    case 1:  // a few bytes flipped to anything
      for (std::size_t k = 1 + pick(4); k > 0; --k) {
        text[pick(text.size())] = static_cast<char>(byte(random));
      }
      break;
    case 2:  // a few bytes flipped to characters a file might really hold
      for (std::size_t k = 1 + pick(4); k > 0; --k) {
        text[pick(text.size())] = " ,\r\n\t0123456789-.x"[pick(18)];
      }
      break;
    case 3: {  // a number made too big
      const std::size_t at = text.find_first_of("0123456789", pick(text.size()));
      if (at != std::string::npos) text.insert(at, std::to_string(3 + pick(7)) + "00");
      break;
    }
    case 4:  // a stretch removed
      text.erase(pick(text.size()), pick(40));
      break;
    case 5: {  // random bytes inserted
      std::string junk(pick(8) + 1, ' ');
      for (char& c : junk) c = static_cast<char>(byte(random));
      text.insert(pick(text.size() + 1), junk);
      break;
    }
    default: {  // not a channel file at all
      text.assign(pick(20000), ' ');
      for (char& c : text) c = static_cast<char>(random() & 0xFF);
      break;
    }
  }
  return text;
}

TEST(ChannelFileFuzz, DamagedFilesLoadWhollyOrChangeNothing) {
  std::mt19937 random(20240607);
  const std::string good = ChannelFileText(RandomImage(random));
  int loaded = 0;
  int refused = 0;
  const RadioImage before = RandomImage(random);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = Damaged(good, random);
    RadioImage image = before;
    const Expected expected = Oracle(text);
    const ChannelFileCheck check = LoadChannelFileText(text, image);
    ASSERT_EQ(check.Loaded(), expected.loads) << "round " << round;
    if (check.Loaded()) {
      ++loaded;
      RadioImage want = before;
      for (int n = 0; n < 4096; ++n) {
        want.at(n / 16, n % 16) = static_cast<std::uint8_t>(expected.numbers[n]);
      }
      ASSERT_EQ(image, want) << "round " << round;
    } else {
      ++refused;
      ASSERT_EQ(check.fault, expected.fault) << "round " << round;
      ASSERT_EQ(image, before) << "round " << round;
    }
  }
  // Both outcomes must really have been exercised.
  EXPECT_GT(loaded, 100);
  EXPECT_GT(refused, 1500);
}

struct NameCase {
  const char* typed;
  ChannelFileName result;
};

class ChannelFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ChannelFileNames, AreCheckedForCharactersThenSuffix) {
  EXPECT_EQ(CheckChannelFileName(GetParam().typed), GetParam().result);
}

using N = ChannelFileName;
INSTANTIATE_TEST_SUITE_P(
    Names, ChannelFileNames,
    ::testing::Values(
        NameCase{"*.chann", N::InvalidName}, NameCase{"*", N::InvalidName},
        NameCase{"radio$.chann", N::InvalidName}, NameCase{"dir/radio.chann", N::InvalidName},
        NameCase{"dir\\radio.chann", N::InvalidName}, NameCase{"#1.CHANN", N::InvalidName},
        NameCase{"ab#", N::InvalidName}, NameCase{"radio.chann", N::Good},
        NameCase{"radio.CHANN", N::Good}, NameCase{"  radio.chann  ", N::Good},
        NameCase{".chann", N::Good}, NameCase{"信道 1.chann", N::Good},
        NameCase{"radio.Chann", N::WrongSuffix}, NameCase{"radio.chanN", N::WrongSuffix},
        NameCase{"radio.CHANn", N::WrongSuffix}, NameCase{"", N::WrongSuffix},
        NameCase{"     ", N::WrongSuffix}, NameCase{".chan", N::WrongSuffix},
        NameCase{"chann", N::WrongSuffix}, NameCase{"a.ch", N::WrongSuffix},
        NameCase{"radio.chann.bak", N::WrongSuffix}, NameCase{"radio. chann", N::WrongSuffix},
        NameCase{"radio.chann\t", N::WrongSuffix}, NameCase{"radio", N::WrongSuffix}));

TEST(ChannelFileNames, TrimmedOfSpacesOnly) {
  EXPECT_EQ(TrimmedChannelFileName("  a b.chann  "), "a b.chann");
  EXPECT_EQ(TrimmedChannelFileName("\ta.chann "), "\ta.chann");
  EXPECT_EQ(TrimmedChannelFileName("    "), "");
}

}  // namespace
