#include "fleet/ani_sequence.h"

#include <algorithm>

#include "features/option_codec.h"

std::optional<std::string> AniCode(std::string_view typed) {
  if (typed.empty() || typed.size() > kAniLength) return std::nullopt;
  std::string code;
  for (const char c : typed) {
    const std::optional<char> kept =
        AniKey(static_cast<char32_t>(static_cast<unsigned char>(c)), code.size());
    if (!kept) return std::nullopt;
    code += *kept;
  }
  return code;
}

std::optional<std::string> NextAniCode(const std::string& code) {
  std::string next = code;
  for (auto digit = next.rbegin(); digit != next.rend(); ++digit) {
    if (*digit == 'F') {
      *digit = '0';
      continue;
    }
    *digit = *digit == '9' ? 'A' : static_cast<char>(*digit + 1);
    return next;
  }
  return std::nullopt;
}

std::optional<std::string> AniSequence::Take() {
  if (!givenBack_.empty()) {
    std::string code = *givenBack_.begin();
    givenBack_.erase(givenBack_.begin());
    return code;
  }
  if (!next_) return std::nullopt;
  std::string code = *next_;
  next_ = NextAniCode(code);
  return code;
}

int AniSequence::Left(int limit) const {
  int left = static_cast<int>(givenBack_.size());
  for (std::optional<std::string> code = next_; code && left < limit; code = NextAniCode(*code))
    ++left;
  return std::min(left, limit);
}
