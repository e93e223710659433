#include "link/port_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using Names = std::vector<std::string>;

TEST(PortNamesTest, LinuxOrderIsUsbThenAcmThenSerialEachNumeric) {
  const Names dev = {"ttyS10", "ttyS2", "ttyUSB10", "ttyACM0", "ttyUSB2", "tty0",
                     "ttyUSB", "ttyS0", "ttyUSBx",  "null",    "ttyACM1"};
  EXPECT_EQ(OrderLinuxPortNames(dev),
            (Names{"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyACM1", "ttyS0", "ttyS2", "ttyS10"}));
}

TEST(PortNamesTest, MacOrderIsCalloutDevicesByName) {
  EXPECT_EQ(OrderMacPortNames({"tty.usbserial", "cu.usbserial-2", "cu.Bluetooth", "cu."}),
            (Names{"cu.Bluetooth", "cu.usbserial-2"}));
}

TEST(PortNamesTest, SymbolicLinksCountOnlyWhenTheyResolve) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("rt410-ports-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "target").put('x');
  std::ofstream(dir / "ttyS0").put('x');
  fs::create_symlink(dir / "target", dir / "ttyUSB1");
  fs::create_symlink(dir / "missing", dir / "ttyUSB0");
  const Names devices = ListPortDevices(dir.string());
#if !defined(__APPLE__)
  EXPECT_EQ(devices, (Names{(dir / "ttyUSB1").string(), (dir / "ttyS0").string()}));
#endif
  fs::remove_all(dir);
}

}  // namespace
