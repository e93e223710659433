#include "link/adjust_txp.h"

#include "image/radio_image.h"
#include "shell/state.h"

PowerAdjustLink::PowerAdjustLink(SerialPortOps& port, Timers timers, LinkView& view)
    : SerialLink(LinkKind::PowerAdjust, port, timers, view) {}

void PowerAdjustLink::StartAdjust() {
  s_.RetriesLeft = kAttemptsAfterFirst;
  StartLink();
}

void PowerAdjustLink::ShowLevels() {
  view_.ShowLevel(PowerLevel::Low, Image(63, 0));
  view_.ShowLevel(PowerLevel::High, Image(63, 1));
}

void PowerAdjustLink::StartCloseTimer() {
  t_.Timer4.Start(500);
}

void PowerAdjustLink::HScroll_Change(PowerLevel level, int position) {
  const bool low = level == PowerLevel::Low;
  Image(63, low ? 0 : 1) = static_cast<std::uint8_t>(position);
  Image(63, 2) = low ? 0 : 1;
  if (s_.DataPhase) SendPowerBlock();
}

void PowerAdjustLink::Timer4_Timer() {
  if (!port_.IsOpen() || !s_.DataPhase) EndAdjust();
}

void PowerAdjustLink::Shutdown() {
  if (port_.IsOpen()) SendLastByteAndClose(0x62);
  SerialLink::Shutdown();
}

void PowerAdjustLink::OnComm() {
  if (!s_.DataPhase) {
    if (IdentificationStage()) IdentificationAccepted();
    return;
  }
  s_.RecvBuf[0] = port_.ReadByte();
  if (s_.RecvBuf[0] != kAck || !s_.FrameSent) return;
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
}

void PowerAdjustLink::IdentificationAccepted() {
  Image(63, 0) = s_.RecvBuf[7];
  Image(63, 1) = s_.RecvBuf[8];
  ShowLevels();
  s_.DataPhase = true;
  t_.Timer2.Stop();
  t_.Timer3.Stop();
  SendPowerBlock();
}

void PowerAdjustLink::SendPowerBlock() {
  Queue({kAck, 0x67, 0x03, 0xF0, 0x10});
  QueueRow(63);
  s_.BlockNo = 64;
  port_.ClearInput();
  SendFrame();
  port_.ClearInput();
}

void PowerAdjustLink::EndAdjust() {
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
  if (port_.IsOpen()) SendLastByteAndClose(0x62);
  view_.UnloadForm();
}
