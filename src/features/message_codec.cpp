#include "features/message_codec.h"

namespace {
std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}
}  // namespace

int MessageRow(int message) {
  return 48 + 2 * (message - 1);
}

std::string DecodeMessage(int message, const RadioImage& image) {
  const int row = MessageRow(message);
  std::string text;
  for (int k = 0; k < kMessageLength; ++k) {
    const std::uint8_t code = image.at(row + k / 16, k % 16);
    if (code >= 0x21 && code <= 0x7F) text += static_cast<char>(code);
  }
  return text;
}

void EncodeMessage(int message, std::string_view text, RadioImage& image) {
  const int row = MessageRow(message);
  for (int k = 0; k < kMessageLength; ++k) image.at(row + k / 16, k % 16) = RadioImage::kErased;
  const std::string_view stored = Trimmed(text).substr(0, kMessageLength);
  for (std::size_t k = 0; k < stored.size(); ++k) {
    const int col = static_cast<int>(k);
    image.at(row + col / 16, col % 16) = static_cast<std::uint8_t>(stored[k]);
  }
}

std::size_t TrimmedLength(std::string_view text) {
  return Trimmed(text).size();
}

std::string_view CutToMessageLength(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return text;
  return text.substr(0, first + kMessageLength);
}
