#include "link/port_names.h"

#include <gtest/gtest.h>

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

}  // namespace
