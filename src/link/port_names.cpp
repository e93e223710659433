#include "link/port_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

// The number after prefix, or -1 when the rest is not all digits.
long NumberAfter(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  const std::string rest = name.substr(prefix.size());
  if (rest.size() > 6) return -1;
  for (char ch : rest) {
    if (!std::isdigit(static_cast<unsigned char>(ch))) return -1;
  }
  return std::stol(rest);
}

}  // namespace

std::vector<std::string> OrderLinuxPortNames(const std::vector<std::string>& names) {
  std::vector<std::string> ordered;
  for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
    std::vector<std::pair<long, std::string>> group;
    for (const std::string& name : names) {
      const long number = NumberAfter(name, prefix);
      if (number >= 0) group.emplace_back(number, name);
    }
    std::sort(group.begin(), group.end());
    for (auto& entry : group) ordered.push_back(entry.second);
  }
  return ordered;
}

std::vector<std::string> OrderMacPortNames(const std::vector<std::string>& names) {
  std::vector<std::string> ordered;
  for (const std::string& name : names) {
    if (name.size() > 3 && name.compare(0, 3, "cu.") == 0) ordered.push_back(name);
  }
  std::sort(ordered.begin(), ordered.end());
  return ordered;
}

std::vector<std::string> ListPortDevices(const std::string& devDir) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(devDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code existsError;
    // exists() follows a symbolic link: a dangling link does not count.
    if (fs::exists(it->path(), existsError)) names.push_back(it->path().filename().string());
  }
#if defined(__APPLE__)
  std::vector<std::string> ordered = OrderMacPortNames(names);
#else
  std::vector<std::string> ordered = OrderLinuxPortNames(names);
#endif
  for (std::string& name : ordered) name = (fs::path(devDir) / name).string();
  return ordered;
}

std::string PortDeviceName(int n) {
  if (n < 1) return {};
#if defined(_WIN32)
  return "COM" + std::to_string(n);
#else
  const std::vector<std::string> devices = ListPortDevices("/dev");
  return static_cast<std::size_t>(n) <= devices.size() ? devices[static_cast<std::size_t>(n - 1)]
                                                       : std::string();
#endif
}
