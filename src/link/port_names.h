#pragma once
// The rules that give the port numbers COM1..COM8 their devices, on their own: the
// scan of the machine's devices that feeds them is in link/io/port_scan.h.
//   Windows: COMn is the device "COMn".
//   Linux:   the n-th device of ttyUSB*, then ttyACM*, then ttyS*, each group in
//            numeric order (the first USB cable is COM1).
//   macOS:   the n-th cu.* device in name order.
#include <string>
#include <vector>

// The names of a directory of devices (without the directory) that count, in COM order.
std::vector<std::string> OrderLinuxPortNames(const std::vector<std::string>& names);
std::vector<std::string> OrderMacPortNames(const std::vector<std::string>& names);
