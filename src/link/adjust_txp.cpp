#include "link/adjust_txp.h"

PowerAdjustLink::PowerAdjustLink(SerialPortOps& port, Timers timers, LinkView& view,
                                 LinkInputs& inputs, RadioImage& image)
    : SerialLink(LinkKind::PowerAdjust, port, timers, view, inputs, image) {}

void PowerAdjustLink::StartAdjust() {
  s_.RetriesLeft = kAttemptsAfterFirst;
  StartLink();
}

void PowerAdjustLink::ShowLevels() {
  shown_ = {image_.at(kLowPowerCell), image_.at(kHighPowerCell)};
  view_.ShowLevel(PowerLevel::Low, shown_[0]);
  view_.ShowLevel(PowerLevel::High, shown_[1]);
}

void PowerAdjustLink::StartCloseTimer() {
  t_.Timer4.Start(500);
}

void PowerAdjustLink::HScroll_Change(PowerLevel level, int position) {
  const bool low = level == PowerLevel::Low;
  image_.at(low ? kLowPowerCell : kHighPowerCell) = static_cast<std::uint8_t>(position);
  image_.at(kAdjustedLevelCell) = low ? 0 : 1;
  if (s_.DataPhase) SendPowerBlock();
}

void PowerAdjustLink::Timer4_Timer() {
  if (!port_.IsOpen() || !s_.DataPhase) EndAdjust();
}

void PowerAdjustLink::Shutdown() {
  if (port_.IsOpen()) SendLastByteAndClose(frames::kEndAdjust);
  SerialLink::Shutdown();
}

void PowerAdjustLink::OnComm() {
  if (!FrameAcknowledged()) return;
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
}

void PowerAdjustLink::IdentificationAccepted() {
  // Bytes 7 and 8 of a reply that starts with the identification; later after stray bytes.
  const auto at = static_cast<std::size_t>(IdentificationAt());
  image_.at(kLowPowerCell) = s_.RecvBuf[at + 6];
  image_.at(kHighPowerCell) = s_.RecvBuf[at + 7];
  // The scroll bars follow the radio: one that moves counts as moved by the user, so
  // the level under adjustment is the last one that moved (the high level first).
  if (shown_[0] != image_.at(kLowPowerCell)) image_.at(kAdjustedLevelCell) = 0;
  if (shown_[1] != image_.at(kHighPowerCell)) image_.at(kAdjustedLevelCell) = 1;
  ShowLevels();
  s_.DataPhase = true;
  t_.Timer2.Stop();
  t_.Timer3.Stop();
  // An acknowledge at the end of the identification, handed on late, would pass for
  // the power block's.
  ListenLonger();
  SendPowerBlock();
}

void PowerAdjustLink::SendPowerBlock() {
  Queue(frames::PowerBlock(image_));
  s_.BlockNo = 64;
  port_.ClearInput();
  SendFrame();
  port_.ClearInput();
}

void PowerAdjustLink::EndAdjust() {
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
  if (port_.IsOpen()) SendLastByteAndClose(frames::kEndAdjust);
  view_.UnloadForm();
}
