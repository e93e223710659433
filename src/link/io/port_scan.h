#pragma once
// Which device each port number COM1..COM8 stands for on this machine, by the rules
// of link/port_names.h applied to the devices that exist now.
#include <string>
#include <vector>

// The devices of a directory in COM order, as full paths. A device given by a
// symbolic link counts when the link resolves.
std::vector<std::string> ListPortDevices(const std::string& devDir);

// The device COMn stands for now; empty when there is none. Windows: "COMn".
std::string PortDeviceName(int n);

// The directory scanned for devices, "/dev" unless a test names its own.
void SetPortDeviceDirectory(const std::string& dir);
