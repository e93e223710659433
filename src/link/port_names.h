#pragma once
// Which device the port number COMn (1..8) opens on this platform.
//   Windows: "COMn".
//   Linux:   the n-th existing device of /dev/ttyUSB*, then /dev/ttyACM*, then
//            /dev/ttyS*, each group in numeric order (the first USB cable is COM1).
//   macOS:   the n-th /dev/cu.* device in name order.
// A device given by a symbolic link counts when the link resolves.
#include <string>
#include <vector>

// Empty when there is no n-th device.
std::string PortDeviceName(int n);

// The ordering rule on its own, for a directory of device names (without the
// directory): the names that count, in COM order.
std::vector<std::string> OrderLinuxPortNames(const std::vector<std::string>& names);
std::vector<std::string> OrderMacPortNames(const std::vector<std::string>& names);
// The devices of a directory in COM order, as full paths.
std::vector<std::string> ListPortDevices(const std::string& devDir);
