#pragma once
// The link's platform adapters over Qt: LinkPort is a QSerialPort behind the link's
// port interface, LinkTimer a precise QTimer behind its timer interface. Wire them
// to a link like this (the windows and the command line do the same):
//   connect(port, &QSerialPort::readyRead, [&] { link.MSC_OnComm(); });
//   connect(port, &LinkPort::PortLost,     [&] { link.MSC_PortLost(); });
//   connect(timerN, &QTimer::timeout,      [&] { link.TimerN_Timer(); });  // N = 1..4
#include <QSerialPort>
#include <QTimer>

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

class LinkTimer : public QTimer, public TimerOps {
  Q_OBJECT

 public:
  explicit LinkTimer(QObject* parent);
  void Start(int milliseconds) override { start(milliseconds); }
  void Stop() override { stop(); }
  bool IsActive() const override { return isActive(); }
};
