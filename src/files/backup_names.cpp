#include "files/backup_names.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kPrefix = "read_";
constexpr std::string_view kSuffix = ".chann";
constexpr std::string_view kStampPattern = "0000-00-00_00-00-00";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The stamp text and the number within its second (1 without "_n").
std::optional<std::pair<std::string, int>> BackupKey(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  name.remove_prefix(kPrefix.size());
  name.remove_suffix(kSuffix.size());
  if (name.size() < kStampPattern.size()) return std::nullopt;
  for (std::size_t i = 0; i < kStampPattern.size(); ++i) {
    const bool digitWanted = kStampPattern[i] == '0';
    if (digitWanted ? !IsDigit(name[i]) : name[i] != kStampPattern[i]) return std::nullopt;
  }
  std::string stamp(name.substr(0, kStampPattern.size()));
  std::string_view rest = name.substr(kStampPattern.size());
  if (rest.empty()) return std::pair{stamp, 1};
  if (rest.size() < 2 || rest.size() > 7 || rest[0] != '_' || rest[1] == '0') return std::nullopt;
  int n = 0;
  for (char c : rest.substr(1)) {
    if (!IsDigit(c)) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return std::pair{stamp, n};
}

}  // namespace

std::string BackupFileName(const BackupStamp& stamp, const std::vector<std::string>& existing) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", stamp.year, stamp.month,
                stamp.day, stamp.hour, stamp.minute, stamp.second);
  const std::string base = std::string(kPrefix) + text;
  std::string name = base + std::string(kSuffix);
  for (int n = 2; std::find(existing.begin(), existing.end(), name) != existing.end(); ++n) {
    name = base + "_" + std::to_string(n) + std::string(kSuffix);
  }
  return name;
}

std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names, int keep) {
  std::vector<std::pair<std::pair<std::string, int>, std::string>> backups;
  for (const std::string& name : names) {
    if (auto key = BackupKey(name)) backups.emplace_back(std::move(*key), name);
  }
  std::sort(backups.begin(), backups.end());
  std::vector<std::string> remove;
  const auto surplus = static_cast<std::ptrdiff_t>(backups.size()) - std::max(keep, 0);
  for (std::ptrdiff_t i = 0; i < surplus; ++i) {
    remove.push_back(backups[static_cast<std::size_t>(i)].second);
  }
  return remove;
}
