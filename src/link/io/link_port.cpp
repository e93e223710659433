#include "link/io/link_port.h"

#include <QTimerEvent>
#include <algorithm>
#include <thread>

#if defined(Q_OS_UNIX)
#include <termios.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {
// The end byte is one byte at 9600 baud; this only bounds a driver that hangs.
constexpr int kDrainWaitMs = 500;
// How early a link timer is armed before its deadline: more than a system timer is
// late on a desktop, so the wait after it is all that decides the tick.
constexpr std::chrono::microseconds kArmEarly{500};
// Intervals up to this are kept to the wait (the sender's); longer ones (watchdogs,
// the close timer) tick when the system timer does.
constexpr std::chrono::milliseconds kKeptUpTo{100};

// Qt reports a port held by another program as a permission error too.
PortFault PermissionOrBusy(const QString& device) {
#if defined(Q_OS_UNIX)
  if (::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0) return PortFault::Busy;
  return PortFault::PermissionDenied;
#else
  Q_UNUSED(device);
  return PortFault::Busy;
#endif
}
}  // namespace

LinkPort::LinkPort(QObject* parent) : QSerialPort(parent) {
  setObjectName("MSC");
  // Queued: a fault raised inside a write must not end the transfer under the sender.
  connect(
      this, &QSerialPort::errorOccurred, this,
      [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
            error == QSerialPort::WriteError)
          emit PortLost();
      },
      Qt::QueuedConnection);
}

PortOpenResult LinkPort::Open(const PortId& port, const LineSettings& settings) {
  if (port.device.empty()) return {PortFault::NotFound, {}};
  const QString device = QString::fromStdString(port.device);
  setPortName(device);
  const bool lineSet =
      setBaudRate(settings.baud) && settings.parity == 'N' && setParity(QSerialPort::NoParity) &&
      settings.dataBits == 8 && setDataBits(QSerialPort::Data8) && settings.stopBits == 1 &&
      setStopBits(QSerialPort::OneStop) && setFlowControl(QSerialPort::NoFlowControl);
  if (!lineSet) return {PortFault::Other, errorString().toStdString()};
  setReadBufferSize(settings.inputBufferSize);
  if (!open(QIODevice::ReadWrite)) {
    PortOpenResult result;
    switch (error()) {
      case QSerialPort::DeviceNotFoundError:
        result.fault = PortFault::NotFound;
        break;
      case QSerialPort::PermissionError:
        result.fault = PermissionOrBusy(device);
        break;
      default:
        result.fault = PortFault::Other;
        break;
    }
    result.detail = errorString().toStdString();
    clearError();
    return result;
  }
  // DTR and RTS raised: cables that take their supply from them work, the others
  // ignore them. A device without modem lines is no reason to fail.
  setDataTerminalReady(true);
  setRequestToSend(true);
  clearError();
  return {};
}

std::uint8_t LinkPort::ReadByte() {
  char byte = 0;
  getChar(&byte);
  return static_cast<std::uint8_t>(byte);
}

void LinkPort::WriteByte(std::uint8_t byte) {
  const char data = static_cast<char>(byte);
  write(&data, 1);
  // Out now, not when the event loop next looks at the port: the sender's timing is
  // the wire's.
  flush();
}

void LinkPort::ClearInput() {
  if (isOpen()) clear(QSerialPort::Input);
}

void LinkPort::ClearOutput() {
  if (isOpen()) clear(QSerialPort::Output);
}

void LinkPort::DrainOutput() {
  if (!isOpen()) return;
  flush();
  if (bytesToWrite() > 0) waitForBytesWritten(kDrainWaitMs);
#if defined(Q_OS_UNIX)
  if (handle() >= 0) ::tcdrain(handle());
#elif defined(Q_OS_WIN)
  if (handle() != INVALID_HANDLE_VALUE) ::FlushFileBuffers(handle());
#endif
}

LinkTimer::LinkTimer(QObject* parent) : QTimer(parent) {
  setTimerType(Qt::PreciseTimer);
}

void LinkTimer::Start(int milliseconds) {
  ++starts_;
  period_ = std::chrono::milliseconds(std::max(0, milliseconds));
  deadline_ = Clock::now() + period_;
  Arm();
}

void LinkTimer::Stop() {
  ++starts_;
  stop();
}

void LinkTimer::Arm() {
  using std::chrono::milliseconds;
  const auto left = deadline_ - Clock::now();
  // Whole milliseconds that end at least kArmEarly short of the deadline.
  const milliseconds arm = period_ > kKeptUpTo ? std::chrono::ceil<milliseconds>(left)
                                               : std::chrono::floor<milliseconds>(left - kArmEarly);
  start(static_cast<int>(std::max<milliseconds::rep>(0, arm.count())));
}

void LinkTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timerId()) {
    QTimer::timerEvent(event);
    return;
  }
  while (Clock::now() < deadline_) std::this_thread::yield();
  // The next tick counts from this deadline, as a periodic timer does, or from now
  // when the event loop was held up past it.
  const auto now = Clock::now();
  deadline_ = deadline_ + period_ > now ? deadline_ + period_ : now + period_;
  const unsigned starts = starts_;
  QTimer::timerEvent(event);  // timeout: its handler may stop or restart the timer
  if (starts_ == starts && isActive()) Arm();
}
