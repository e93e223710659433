#pragma once
// Which device each port number COM1..COM8 stands for on this machine, by the rules
// of link/port_names.h applied to the devices that exist now.
#include <string>
#include <vector>

#include "link/port_names.h"

// The devices of a directory in COM order, as full paths. A device given by a
// symbolic link counts when the link resolves; a ttyS node only when QSerialPortInfo
// knows hardware behind it.
std::vector<std::string> ListPortDevices(const std::string& devDir);

// The device COMn stands for now; empty when there is none. Windows: "COMn".
std::string PortDeviceName(int n);

// What QSerialPortInfo knows of a device (a symbolic link is followed).
PortDescription DescribePort(const std::string& device);

// The directory scanned for devices, "/dev" unless a test names its own.
void SetPortDeviceDirectory(const std::string& dir);
