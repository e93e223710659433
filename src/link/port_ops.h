#pragma once
// What the link needs from the platform: a serial port and user-interface timers.
// The windows and the command line adapt a QSerialPort and QTimers (link/io), the
// tests a simulated radio on a virtual clock.
#include <cstdint>
#include <string>

// Which port to open: the number the user chose and the device it stands for.
struct PortId {
  int number = 0;      // COMn, as shown in the status bar
  std::string device;  // "/dev/ttyUSB0", "COM3"; empty when COMn has no device
};

// Why a port did not open.
enum class PortFault {
  None,              // it opened
  NotFound,          // no such device, or it has gone since it was chosen
  PermissionDenied,  // the user may not open it
  Busy,              // another program holds it
  Other,             // anything else; the driver's own words are in detail
};

struct PortOpenResult {
  PortFault fault = PortFault::None;
  std::string detail;  // the driver's error text, for PortFault::Other
  bool Opened() const { return fault == PortFault::None; }
};

// What the link may do with a serial port.
class SerialPortOps {
 public:
  struct LineSettings {
    int baud = 9600;
    char parity = 'N';
    int dataBits = 8;
    int stopBits = 1;
    int inputBufferSize = 1024;
  };

  virtual ~SerialPortOps() = default;
  // Opens the port's device with these settings.
  virtual PortOpenResult Open(const PortId& port, const LineSettings& settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual int BytesWaiting() const = 0;
  virtual std::uint8_t ReadByte() = 0;
  virtual void WriteByte(std::uint8_t byte) = 0;
  virtual void ClearInput() = 0;
  virtual void ClearOutput() = 0;
  // Returns once every byte written so far has left the port.
  virtual void DrainOutput() = 0;
};

// A user-interface timer. Start (re)starts the count; the timer then ticks every
// interval until stopped.
class TimerOps {
 public:
  virtual ~TimerOps() = default;
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};
