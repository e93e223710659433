#pragma once
// The link's platform adapters over Qt: LinkPort is a QSerialPort behind the link's
// port interface, LinkTimer a QTimer kept to its deadline behind its timer interface.
// Wire them to a link like this (the windows and the command line do the same):
//   connect(port, &QSerialPort::readyRead, [&] { link.MSC_OnComm(); });
//   connect(port, &LinkPort::PortLost,     [&] { link.MSC_PortLost(); });
//   connect(timerN, &QTimer::timeout,      [&] { link.TimerN_Timer(); });  // N = 1..4
#include <QSerialPort>
#include <QTimer>
#include <chrono>

#include "link/port_ops.h"

class LinkPort : public QSerialPort, public SerialPortOps {
  Q_OBJECT

 public:
  explicit LinkPort(QObject* parent);

  // Opens port.device with the line settings, DTR and RTS raised; says why not.
  PortOpenResult Open(const PortId& port, const LineSettings& settings) override;
  void Close() override { close(); }
  bool IsOpen() const override { return isOpen(); }
  int BytesWaiting() const override { return static_cast<int>(bytesAvailable()); }
  std::uint8_t ReadByte() override;
  void WriteByte(std::uint8_t byte) override;
  void ClearInput() override;
  void ClearOutput() override;
  void DrainOutput() override;

 signals:
  // The device went away or failed under a transfer (cable pulled).
  void PortLost();
};

// Ticks at the interval the link asks for, measured from Start on a monotonic clock.
// A system timer wakes a process a fraction of a millisecond after it was due, and
// the sender's 15 ms come round 64 times a read; so the timer is armed a little
// early and waits out the rest itself. A tick is never earlier than asked.
class LinkTimer : public QTimer, public TimerOps {
  Q_OBJECT

 public:
  explicit LinkTimer(QObject* parent);
  void Start(int milliseconds) override;
  void Stop() override;
  bool IsActive() const override { return isActive(); }

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  using Clock = std::chrono::steady_clock;
  // Arms the system timer ahead of the next deadline.
  void Arm();
  Clock::time_point deadline_;
  Clock::duration period_{};
  unsigned starts_ = 0;  // Start and Stop calls, to see a handler restart the timer
};
