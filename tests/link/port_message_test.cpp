// The port message: the fixed text, and the device and the reason under it.
#include <gtest/gtest.h>

#include "link/serial_link.h"

namespace {

TEST(PortMessageTest, SaysWhichDeviceAndWhy) {
  const PortId usb{1, "/dev/ttyUSB0"};
  struct Case {
    const char* name;
    PortId port;
    PortOpenResult result;
    bool chinese;
    bool linux;
    const char* informative;
  };
  const Case cases[] = {
      {"gone",
       usb,
       {PortFault::NotFound, {}},
       false,
       true,
       "Device: COM1 (/dev/ttyUSB0)\nNot found: not connected, or unplugged since it was chosen."},
      {"no device for the number",
       {3, ""},
       {PortFault::NotFound, {}},
       false,
       true,
       "Device: COM3\nNo device stands for it."},
      {"a device given by its path",
       {0, "/tmp/rt410"},
       {PortFault::NotFound, {}},
       false,
       true,
       "Device: /tmp/rt410\nNot found: not connected, or unplugged since it was chosen."},
      {"permission, Linux",
       usb,
       {PortFault::PermissionDenied, "Permission error"},
       false,
       true,
       "Device: COM1 (/dev/ttyUSB0)\nPermission denied. Add your user to the dialout group, "
       "then log out and in again."},
      {"permission, elsewhere",
       {2, "COM2"},
       {PortFault::PermissionDenied, {}},
       false,
       false,
       "Device: COM2\nPermission denied."},
      {"busy",
       usb,
       {PortFault::Busy, {}},
       false,
       true,
       "Device: COM1 (/dev/ttyUSB0)\nBusy: another program holds it."},
      {"other",
       usb,
       {PortFault::Other, "Input/output error"},
       false,
       true,
       "Device: COM1 (/dev/ttyUSB0)\nCannot be opened: Input/output error"},
      {"gone, Chinese",
       usb,
       {PortFault::NotFound, {}},
       true,
       true,
       "设备：COM1 (/dev/ttyUSB0)\n找不到该设备：未连接，或选定之后已被拔出。"},
      {"permission, Chinese",
       usb,
       {PortFault::PermissionDenied, {}},
       true,
       true,
       "设备：COM1 (/dev/ttyUSB0)\n无权打开该设备。请将用户加入 dialout 组，然后重新登录。"},
      {"busy, Chinese",
       usb,
       {PortFault::Busy, {}},
       true,
       true,
       "设备：COM1 (/dev/ttyUSB0)\n设备忙：正被其他程序占用。"},
      {"other, Chinese",
       usb,
       {PortFault::Other, "Input/output error"},
       true,
       false,
       "设备：COM1 (/dev/ttyUSB0)\n无法打开：Input/output error"},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    const PortMessage m = PortOpenMessage(tc.port, tc.result, tc.chinese, tc.linux);
    EXPECT_EQ(m.text, tc.chinese ? "通讯端口打开错误，请正确设置通讯端口 ！"
                                 : "Communication port is error, please setting right "
                                   "communication port . ！");
    EXPECT_EQ(m.informative, tc.informative);
  }
}

}  // namespace
