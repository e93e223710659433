#pragma once
// The ANI codes a clone gives its radios, one each: a hexadecimal count from the
// first code, keeping its length (0099, 009A, ...; 00FF, 0100).
#include <optional>
#include <set>
#include <string>
#include <string_view>

// The code as the ANI box takes it: 1 to 8 hexadecimal digits, small letters made
// capital; nullopt for anything else.
std::optional<std::string> AniCode(std::string_view typed);

// The code after code, of the same length; nullopt after the last (FF, FFFF, ...).
std::optional<std::string> NextAniCode(const std::string& code);

class AniSequence {
 public:
  explicit AniSequence(std::string first) : next_(std::move(first)) {}

  // The next code to give: a code given back first (lowest first), else the count.
  std::optional<std::string> Take();
  // A radio that failed did not use its code up.
  void GiveBack(const std::string& code) { givenBack_.insert(code); }
  // How many codes are left, up to limit.
  int Left(int limit) const;

 private:
  std::optional<std::string> next_;
  std::set<std::string> givenBack_;
};
