#include "link/io/port_scan.h"

#include <filesystem>
#include <system_error>

#include "link/port_names.h"

namespace {
std::string& DeviceDirectory() {
  static std::string dir = "/dev";
  return dir;
}
}  // namespace

void SetPortDeviceDirectory(const std::string& dir) {
  DeviceDirectory() = dir.empty() ? "/dev" : dir;
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
  const std::vector<std::string> devices = ListPortDevices(DeviceDirectory());
  return static_cast<std::size_t>(n) <= devices.size() ? devices[static_cast<std::size_t>(n - 1)]
                                                       : std::string();
#endif
}
