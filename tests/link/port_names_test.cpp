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

TEST(PortNamesTest, SerialNodesCountOnlyWithHardwareBehindThem) {
  const std::vector<DeviceEntry> entries = {{"ttyS0"},   {"ttyS1"},         {"ttyS4", true},
                                            {"ttyUSB0"}, {"ttyACM0", true}, {"ttySx"}};
  struct Case {
    const char* name;
    Names withHardware;
    Names kept;
  };
  const Case cases[] = {
      {"no hardware: only the links and the other devices",
       {},
       {"ttyS4", "ttyUSB0", "ttyACM0", "ttySx"}},
      {"a UART behind ttyS1",
       {"ttyS1", "ttyUSB0"},
       {"ttyS1", "ttyS4", "ttyUSB0", "ttyACM0", "ttySx"}},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    EXPECT_EQ(WithoutIdleSerialNodes(entries, tc.withHardware), tc.kept);
  }
}

TEST(PortNamesTest, ToolTipShowsTheDeviceAndWhatIsKnownOfIt) {
  struct Case {
    PortDescription port;
    bool chinese;
    const char* tip;
  };
  const Case cases[] = {
      {{}, true, "无此设备"},
      {{}, false, "No such device"},
      {{"/dev/ttyUSB0", "", "", ""}, false, "/dev/ttyUSB0"},
      {{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific", "A1B2"},
       false,
       "/dev/ttyUSB0\nUSB-Serial Controller\nProlific\nSerial number A1B2"},
      {{"/dev/ttyACM0", "", "FTDI", "7"}, true, "/dev/ttyACM0\nFTDI\n序列号 7"},
  };
  for (const Case& tc : cases) EXPECT_EQ(PortToolTip(tc.port, tc.chinese), tc.tip);
}

}  // namespace
