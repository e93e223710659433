#include "link/serial_link.h"

#include <algorithm>

#include "image/radio_image.h"
#include "shell/state.h"

namespace {
constexpr std::array<std::uint8_t, 8> kWakeUp = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
constexpr std::array<std::uint8_t, 5> kIdentification = {'R', 'T', '4', '1', '0'};
}  // namespace

bool ContainsIdentification(const std::array<std::uint8_t, 2001>& recvBuf) {
  for (std::size_t start = 1; start <= 4; ++start) {
    if (std::equal(kIdentification.begin(), kIdentification.end(), recvBuf.begin() + start))
      return true;
  }
  return false;
}

SerialLink::SerialLink(LinkKind kind, SerialPortOps& port, Timers timers, LinkView& view)
    : kind_(kind), port_(port), t_(timers), view_(view) {}

void SerialLink::MSC_OnComm() {
  while (port_.IsOpen()) {
    const int waiting = port_.BytesWaiting();
    if (waiting <= 0) return;
    OnComm();
    // A stage waiting for a longer reply leaves the bytes where they are.
    if (port_.BytesWaiting() >= waiting) return;
  }
}

void SerialLink::MSC_PortLost() {
  if (!port_.IsOpen()) return;
  Timer2_Timer();
}

void SerialLink::Timer1_Timer() {
  if (!port_.IsOpen()) {
    t_.Timer1.Stop();
    return;
  }
  for (;;) {
    if (s_.SendPos >= s_.SendLen) {
      t_.Timer2.Start(kReplyWatchMs);
      t_.Timer1.Stop();
      s_.FrameSent = true;
      return;
    }
    port_.WriteByte(s_.SendBuf[static_cast<std::size_t>(s_.SendPos)]);
    t_.Timer2.Start(kSendingWatchMs);
    ++s_.SendPos;
  }
}

void SerialLink::Timer2_Timer() {
  t_.Timer1.Stop();
  // Timer2 keeps ticking; its later ticks must not stretch a pause already running.
  if (!t_.Timer3.IsActive()) t_.Timer3.Start(kRestartPauseMs);
  if (port_.IsOpen()) port_.Close();
  s_.BusyWrite = false;
  s_.BusyRead = false;
}

void SerialLink::Timer3_Timer() {
  StopTransferTimers();
  if (s_.RetriesLeft < 1) {
    view_.Message(LangText("与对讲机联络失败 ！", "Fail connect with transceiver."));
    view_.SetProgress(0);
    ShowLinkFailure();
    return;
  }
  --s_.RetriesLeft;
  StartLink();
  // The port may have gone with the cable: the message has been shown, and the
  // window must not go on claiming a transfer is running.
  if (!Busy()) {
    view_.SetProgress(0);
    ShowLinkFailure();
  }
}

void SerialLink::OpenPort() {
  PortError = false;
  if (!port_.Open(ComPort, SerialPortOps::LineSettings{})) {
    PortError = true;
    view_.Message(
        LangText("通讯端口打开错误，请正确设置通讯端口 ！",
                 "Communication port is error, please setting right communication port . ！"));
    return;
  }
  port_.ClearInput();
  if (kind_ != LinkKind::Read) port_.ClearOutput();
}

void SerialLink::StartLink() {
  if (Busy()) return;
  if (!port_.IsOpen()) {
    OpenPort();
    if (PortError) return;
  }
  port_.ClearInput();
  s_.DataPhase = false;
  ResetStages();
  port_.ClearInput();
  s_.BlockNo = 0;
  std::copy(kWakeUp.begin(), kWakeUp.end(), s_.SendBuf.begin());
  s_.SendLen = static_cast<int>(kWakeUp.size());
  switch (kind_) {
    case LinkKind::Read:
      s_.BlockCount = 64;
      break;
    case LinkKind::Write:
      s_.BlockCount = 63;
      break;
    case LinkKind::PowerAdjust:
      s_.BlockCount = 1;
      break;
  }
  s_.BusyRead = kind_ == LinkKind::Read;
  s_.BusyWrite = kind_ != LinkKind::Read;
  SendFrame();
}

void SerialLink::SendFrame() {
  s_.SendPos = 0;
  s_.FrameSent = false;
  t_.Timer1.Start(kSendDelayMs);
}

void SerialLink::Shutdown() {
  StopTransferTimers();
  t_.Timer4.Stop();
  if (port_.IsOpen()) port_.Close();
}

bool SerialLink::IdentificationStage() {
  if (port_.BytesWaiting() <= 8) return false;
  for (std::size_t i = 1; i <= 8; ++i) s_.RecvBuf[i] = port_.ReadByte();
  const bool found = ContainsIdentification(s_.RecvBuf);
  port_.ClearInput();
  if (!found) return false;
  t_.Timer2.Stop();
  t_.Timer3.Stop();
  return true;
}

void SerialLink::Queue(std::initializer_list<std::uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), s_.SendBuf.begin());
  s_.SendLen = static_cast<int>(bytes.size());
}

void SerialLink::QueueRow(int row) {
  for (int c = 0; c < RadioImage::kBlockBytes; ++c)
    s_.SendBuf[static_cast<std::size_t>(s_.SendLen++)] = Image(row, c);
}

void SerialLink::StopTransferTimers() {
  t_.Timer1.Stop();
  t_.Timer2.Stop();
  t_.Timer3.Stop();
}

void SerialLink::SendLastByteAndClose(std::uint8_t byte) {
  port_.WriteByte(byte);
  port_.DrainOutput();
  port_.Close();
}

void TransferLink::Timer4_Timer() {
  if (s_.Done) view_.UnloadForm();
}

void TransferLink::Command_Cancel_Click() {
  if (Busy()) {
    view_.Message(LangText("正在进行读写操作,请勿关窗口 ！,",
                           "Read-write operating，don't close the window. ,"));
    return;
  }
  if (port_.IsOpen()) port_.Close();
  view_.UnloadForm();
}

bool TransferLink::StartAllowed() {
  if (Busy()) {
    view_.Message(
        LangText("正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."));
    return false;
  }
  // Completed: the close timer is about to take the window away.
  return !s_.Done;
}

void TransferLink::ShowLinkFailure() {
  view_.SetStatus(LangText("与对讲机通讯故障 ！", "Communication fault."));
}
