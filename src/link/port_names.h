#pragma once
// The rules that give the port numbers COM1..COM8 their devices, on their own: the
// scan of the machine's devices that feeds them is in link/io/port_scan.h.
//   Windows: COMn is the device "COMn".
//   Linux:   the n-th device of ttyUSB*, then ttyACM*, then ttyS*, each group in
//            numeric order (the first USB cable is COM1). A ttyS node counts only
//            when hardware stands behind it.
//   macOS:   the n-th cu.* device in name order.
#include <string>
#include <vector>

// The names of a directory of devices (without the directory) that count, in COM order.
std::vector<std::string> OrderLinuxPortNames(const std::vector<std::string>& names);
std::vector<std::string> OrderMacPortNames(const std::vector<std::string>& names);

// One entry of the scanned directory.
struct DeviceEntry {
  std::string name;
  bool symlink = false;
};
// Linux: the names without the ttyS nodes that no hardware stands behind (the PC's
// serial driver makes ttyS0 and up whether or not there is a UART). withHardware
// names the ports the system knows a device for. A symbolic link is kept: someone
// made it to stand for a port, as the simulator's --link does.
std::vector<std::string> WithoutIdleSerialNodes(const std::vector<DeviceEntry>& entries,
                                                const std::vector<std::string>& withHardware);

// What the system tells about a port; empty where it does not know.
struct PortDescription {
  std::string device;
  std::string description;
  std::string manufacturer;
  std::string serialNumber;
};
// The tooltip of a port option: the device, then what is known of it, one a line.
std::string PortToolTip(const PortDescription& port, bool chinese);
