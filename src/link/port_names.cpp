#include "link/port_names.h"

#include <algorithm>
#include <cctype>

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

std::vector<std::string> WithoutIdleSerialNodes(const std::vector<DeviceEntry>& entries,
                                                const std::vector<std::string>& withHardware) {
  std::vector<std::string> names;
  for (const DeviceEntry& entry : entries) {
    const bool serialNode = !entry.symlink && NumberAfter(entry.name, "ttyS") >= 0;
    if (serialNode &&
        std::find(withHardware.begin(), withHardware.end(), entry.name) == withHardware.end())
      continue;
    names.push_back(entry.name);
  }
  return names;
}

std::string PortToolTip(const PortDescription& port, bool chinese) {
  if (port.device.empty()) return chinese ? "无此设备" : "No such device";
  std::string tip = port.device;
  for (const std::string* line : {&port.description, &port.manufacturer}) {
    if (!line->empty()) tip += "\n" + *line;
  }
  if (!port.serialNumber.empty())
    tip += std::string(chinese ? "\n序列号 " : "\nSerial number ") + port.serialNumber;
  return tip;
}
