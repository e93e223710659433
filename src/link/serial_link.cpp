#include "link/serial_link.h"

#include <algorithm>

namespace {

// Where "RT410" stands consecutively in RecvBuf, start positions 1 to 4; 0: nowhere.
int IdentificationPosition(const std::array<std::uint8_t, 2001>& recvBuf) {
  const auto& id = frames::kIdentification;
  for (std::size_t start = 1; start <= 4; ++start) {
    if (std::equal(id.begin(), id.end(), recvBuf.begin() + static_cast<std::ptrdiff_t>(start)))
      return static_cast<int>(start);
  }
  return 0;
}

}  // namespace

SerialLink::SerialLink(LinkKind kind, SerialPortOps& port, Timers timers, LinkView& view,
                       LinkInputs& inputs, RadioImage& image)
    : kind_(kind), port_(port), t_(timers), view_(view), inputs_(inputs), image_(image) {}

void SerialLink::MSC_OnComm() {
  // Bytes that arrive while the next frame waits for the sender are the rest of the
  // last reply; the sender empties the input before the frame leaves.
  if (FrameWaiting()) return;
  while (port_.IsOpen()) {
    const int waiting = port_.BytesWaiting();
    if (waiting <= 0) return;
    inReply_ = true;
    OnComm();
    inReply_ = false;
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
  if (FrameWaiting()) {
    if (!LineQuietForFrame() || !FrameLeaving()) return;
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
    view_.Message(Text("与对讲机联络失败 ！", "Fail connect with transceiver."));
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

PortOpenResult SerialLink::OpenPort(const PortId& port) {
  const PortOpenResult result = port_.Open(port, SerialPortOps::LineSettings{});
  if (!result.Opened()) return result;
  port_.ClearInput();
  if (kind_ != LinkKind::Read) port_.ClearOutput();
  return result;
}

void SerialLink::StartLink() {
  if (Busy()) return;
  if (!port_.IsOpen()) {
    const PortId port = inputs_.Port();
    const PortOpenResult result = OpenPort(port);
    view_.PortOpenOutcome(port, result);
    if (!result.Opened()) return;
  }
  port_.ClearInput();
  s_.DataPhase = false;
  ResetStages();
  idAt_ = 0;
  taken_ = 0;
  port_.ClearInput();
  s_.BlockNo = 0;
  Queue(frames::WakeUp());
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
  // The input has just been emptied: no reply of this attempt can be on its way.
  quietNeeded_ = kQuietTicks;
}

void SerialLink::SendFrame() {
  s_.SendPos = 0;
  s_.FrameSent = false;
  followsReply_ = inReply_;
  quietNeeded_ = listenFor_ > 0  ? listenFor_
                 : talkative_    ? kQuietTicksTalkative
                 : listenLonger_ ? kQuietTicksListening
                                 : kQuietTicks;
  listenLonger_ = false;
  listenFor_ = 0;
  quietTicks_ = 0;
  ticksWaited_ = 0;
  t_.Timer1.Start(kSendDelayMs);
}

bool SerialLink::LineQuietForFrame() {
  // Whatever came in since the last tick (the rest of the last reply, a radio may
  // send more than the bytes taken) must not be taken for the reply to this frame.
  const int heard = port_.BytesWaiting();
  port_.ClearInput();
  ++ticksWaited_;
  if (heard <= 0) {
    ++quietTicks_;
  } else {
    quietTicks_ = 0;
    HeardBeforeFrame(heard);
    // It queued another frame, which waits from the start, or ended the attempt.
    if (ticksWaited_ == 0 || !t_.Timer1.IsActive()) return false;
  }
  return quietTicks_ >= quietNeeded_ || ticksWaited_ >= kMostTicksWaited;
}

void SerialLink::HeardBeforeFrame(int /*bytes*/) {
  // Not after a frame that replaced an unanswered one (the power window): the
  // answer to that one may come now.
  if (followsReply_) {
    talkative_ = true;
    quietNeeded_ = kQuietTicksTalkative;
  }
}

void SerialLink::Shutdown() {
  StopTransferTimers();
  t_.Timer4.Stop();
  if (port_.IsOpen()) port_.Close();
}

bool SerialLink::IdentificationStage() {
  if (idAt_ == 0) {
    if (port_.BytesWaiting() <= 8) return false;
    for (std::size_t i = 1; i <= 8; ++i) s_.RecvBuf[i] = port_.ReadByte();
    taken_ = 8;
    idAt_ = IdentificationPosition(s_.RecvBuf);
    if (idAt_ == 0) {
      port_.ClearInput();
      return false;
    }
  }
  // Stray bytes before the identification push what follows it past the eighth byte.
  const int needed = idAt_ + IdentificationBytesUsed() - 1;
  while (taken_ < needed) {
    if (port_.BytesWaiting() <= 0) return false;
    s_.RecvBuf[static_cast<std::size_t>(++taken_)] = port_.ReadByte();
  }
  idBytes_ = taken_ + EmptyAfterReply();
  t_.Timer2.Stop();
  t_.Timer3.Stop();
  return true;
}

void SerialLink::Queue(const frames::Frame& frame) {
  std::copy(frame.begin(), frame.end(), s_.SendBuf.begin());
  s_.SendLen = frame.size;
}

int SerialLink::EmptyAfterReply() {
  const int left = port_.BytesWaiting();
  if (left > 1) talkative_ = true;
  port_.ClearInput();
  return left;
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
    view_.Message(
        Text("正在进行读写操作,请勿关窗口 ！,", "Read-write operating，don't close the window. ,"));
    return;
  }
  if (port_.IsOpen()) port_.Close();
  view_.UnloadForm();
}

bool TransferLink::StartAllowed() {
  if (Busy()) {
    view_.Message(Text("正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."));
    return false;
  }
  // Completed: the close timer is about to take the window away.
  return !s_.Done;
}

void TransferLink::ShowLinkFailure() {
  view_.SetStatus(Text("与对讲机通讯故障 ！", "Communication fault."));
}

PortMessage PortOpenMessage(const PortId& port, const PortOpenResult& result, bool chinese,
                            bool dialoutHint) {
  auto text = [chinese](const char* zh, const char* en) { return std::string(chinese ? zh : en); };
  PortMessage message;
  message.text = text("通讯端口打开错误，请正确设置通讯端口 ！",
                      "Communication port is error, please setting right communication port . ！");
  const std::string com = "COM" + std::to_string(port.number);
  // A device given by its path (rt410 -p, the clone's own row) has no COM number.
  const std::string name = port.number <= 0 ? port.device
                           : port.device.empty() || port.device == com
                               ? com
                               : com + " (" + port.device + ")";
  std::string reason;
  switch (result.fault) {
    case PortFault::None:
      break;
    case PortFault::NotFound:
      reason = port.device.empty()
                   ? text("没有与之对应的设备。", "No device stands for it.")
                   : text("找不到该设备：未连接，或选定之后已被拔出。",
                          "Not found: not connected, or unplugged since it was chosen.");
      break;
    case PortFault::PermissionDenied:
      reason = text("无权打开该设备。", "Permission denied.");
      if (dialoutHint)
        reason += text("请将用户加入 dialout 组，然后重新登录。",
                       " Add your user to the dialout group, then log out and in again.");
      break;
    case PortFault::Busy:
      reason = text("设备忙：正被其他程序占用。", "Busy: another program holds it.");
      break;
    case PortFault::Other:
      reason = text("无法打开：", "Cannot be opened: ") + result.detail;
      break;
  }
  message.informative = text("设备：", "Device: ") + name + "\n" + reason;
  return message;
}

void SerialLink::StartTransfer() {
  s_.RetriesLeft = kAttemptsAfterFirst;
  StartLink();
  if (!port_.IsOpen()) return;
  view_.SetProgress(0);
  view_.SetStatus(Text("正在与对讲机联络 ！", "Connecting with transceiver. "));
}

bool SerialLink::FrameAcknowledged() {
  if (!s_.DataPhase) {
    if (IdentificationStage()) IdentificationAccepted();
    return false;
  }
  s_.RecvBuf[0] = port_.ReadByte();
  return s_.RecvBuf[0] == frames::kAck && s_.FrameSent;
}
