#include "files/channel_file.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits only, after an optional minus sign.
bool IsWholeNumber(std::string_view item) {
  if (item.starts_with('-')) item.remove_prefix(1);
  return !item.empty() && std::all_of(item.begin(), item.end(), IsDigit);
}

// What a message shows of an item: printable ASCII, at most 16 characters.
std::string Printable(std::string_view item) {
  constexpr std::size_t kShown = 16;
  std::string shown;
  for (std::size_t i = 0; i < item.size() && i < kShown; ++i) {
    const char c = item[i];
    shown += (c >= 0x20 && c <= 0x7E) ? c : '?';
  }
  if (item.size() > kShown) shown += "...";
  return shown;
}

// Decimal value of an item of digits only, or -1 for one above 255 (however long).
int ItemValue(std::string_view item) {
  int value = 0;
  for (char c : item) {
    value = value * 10 + (c - '0');
    if (value > 255) return -1;
  }
  return value;
}

}  // namespace

std::string ChannelFileText(const RadioImage& image) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kChannelFileNumbers) * 4 + kChannelFileRows * 2);
  for (int row = 0; row < kChannelFileRows; ++row) {
    for (int col = 0; col < kChannelFileCols; ++col) {
      if (col > 0) text += ' ';
      text += std::to_string(image.at(row, col));
    }
    text += "\r\n";
  }
  return text;
}

ChannelFileCheck LoadChannelFileText(std::string_view text, RadioImage& image) {
  ChannelFileCheck check;
  if (text.size() > kChannelFileMaxBytes) {
    check.fault = ChannelFileFault::TooLarge;
    return check;
  }
  // A byte order mark from an editor that re-saved the file is not part of the data.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);

  std::array<std::uint8_t, kChannelFileNumbers> cells{};
  int line = 1;
  std::size_t lineStart = 0;
  std::size_t i = 0;
  while (check.numbers < kChannelFileNumbers) {
    while (i < text.size() && IsSeparator(text[i])) {
      // CR LF, LF and a lone CR each end one line.
      const bool lineEnd =
          text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
      ++i;
      if (lineEnd) {
        ++line;
        lineStart = i;
      }
    }
    if (i >= text.size()) {
      check.fault = ChannelFileFault::TooFewNumbers;
      return check;
    }
    const std::size_t start = i;
    bool digits = true;
    for (; i < text.size() && !IsSeparator(text[i]); ++i) {
      if (!IsDigit(text[i])) digits = false;
    }
    const std::string_view item = text.substr(start, i - start);
    const int value = digits ? ItemValue(item) : -1;
    if (value < 0) {
      // A negative number is a number, only outside 0 to 255.
      check.fault =
          IsWholeNumber(item) ? ChannelFileFault::OutOfRange : ChannelFileFault::NotANumber;
      check.line = line;
      check.position = static_cast<int>(start - lineStart) + 1;
      check.item = Printable(item);
      return check;
    }
    cells[static_cast<std::size_t>(check.numbers++)] = static_cast<std::uint8_t>(value);
  }
  // What follows the last cell: more numbers mean the file is not what it claims.
  int surplus = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsSeparator(text[i])) ++i;
    if (i > start && IsWholeNumber(text.substr(start, i - start))) ++surplus;
  }
  if (surplus > 0) {
    check.fault = ChannelFileFault::TooManyNumbers;
    check.numbers += surplus;
    return check;
  }

  for (int n = 0; n < kChannelFileNumbers; ++n) {
    image.at(n / kChannelFileCols, n % kChannelFileCols) = cells[static_cast<std::size_t>(n)];
  }
  return check;
}

std::string TrimmedChannelFileName(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = typed.find_last_not_of(' ');
  return std::string(typed.substr(first, last - first + 1));
}

ChannelFileName CheckChannelFileName(std::string_view typed) {
  const std::string name = TrimmedChannelFileName(typed);
  if (name.find_first_of("*$\\/#") != std::string::npos) return ChannelFileName::InvalidName;
  // The last six characters, trimmed: a shorter name is compared whole and fails.
  const std::string suffix = TrimmedChannelFileName(
      std::string_view(name).substr(name.size() - std::min<std::size_t>(name.size(), 6)));
  if (suffix != ".chann" && suffix != ".CHANN") return ChannelFileName::WrongSuffix;
  return ChannelFileName::Good;
}
