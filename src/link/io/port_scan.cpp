#include "link/io/port_scan.h"

#include <QFileInfo>
#include <QSerialPortInfo>
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
  std::vector<DeviceEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(devDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statError;
    // exists() follows a symbolic link: a dangling link does not count.
    if (fs::exists(it->path(), statError))
      entries.push_back({it->path().filename().string(), it->is_symlink(statError)});
  }
#if defined(__APPLE__)
  std::vector<std::string> names;
  for (const DeviceEntry& entry : entries) names.push_back(entry.name);
  std::vector<std::string> ordered = OrderMacPortNames(names);
#else
  std::vector<std::string> withHardware;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    withHardware.push_back(info.portName().toStdString());
  std::vector<std::string> ordered =
      OrderLinuxPortNames(WithoutIdleSerialNodes(entries, withHardware));
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

PortDescription DescribePort(const std::string& device) {
  PortDescription port;
  port.device = device;
  if (device.empty()) return port;
  const QString path = QString::fromStdString(device);
  const QString target = QFileInfo(path).canonicalFilePath();
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    if (info.systemLocation() != path && info.systemLocation() != target && info.portName() != path)
      continue;
    port.description = info.description().toStdString();
    port.manufacturer = info.manufacturer().toStdString();
    port.serialNumber = info.serialNumber().toStdString();
    break;
  }
  return port;
}
