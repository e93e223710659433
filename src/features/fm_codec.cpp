#include "features/fm_codec.h"

#include "codec/frequency.h"

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}
}  // namespace

std::optional<std::uint8_t> FmCodeFromText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  // Tenths of a MHz, saturating well above the band; digits past the tenths only
  // matter at the top of the band.
  long tenths = 0;
  bool digits = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    digits = true;
    if (tenths < 100'000) tenths = tenths * 10 + (text[i] - '0');
  }
  tenths *= 10;
  bool beyondTenths = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && IsDigit(text[i])) {
      digits = true;
      tenths += text[i] - '0';
      for (++i; i < text.size() && IsDigit(text[i]); ++i) beyondTenths |= text[i] != '0';
    }
  }
  if (!digits || tenths < kFmLowTenths || tenths > kFmHighTenths) return std::nullopt;
  if (tenths == kFmHighTenths && beyondTenths) return std::nullopt;
  return static_cast<std::uint8_t>(tenths - kFmLowTenths);
}

std::string FmCellText(std::uint8_t stored) {
  return stored > kFmLastCode ? std::string() : FmChannelText(stored);
}

FmCommit CommitFmText(std::string_view typed) {
  if (const auto code = FmCodeFromText(typed)) return {FmChannelText(*code), false};
  if (IsBlank(typed)) return {std::string(), false};
  return {NumberText(kFmLowTenths / 10.0), true};
}

std::uint8_t FmStoredCode(std::string_view cellText) {
  return FmCodeFromText(cellText).value_or(kFmEmpty);
}
