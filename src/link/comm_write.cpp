#include "link/comm_write.h"

#include <string>

#include "codec/channel_record.h"
#include "image/radio_image.h"
#include "shell/state.h"

WriteLink::WriteLink(SerialPortOps& port, Timers timers, LinkView& view)
    : TransferLink(LinkKind::Write, port, timers, view) {}

void WriteLink::Command_Write_Click() {
  if (!StartAllowed()) return;
  MarkSpotFrequencies(TheImage());
  const char* id = "RT410";
  for (int c = 0; c < 5; ++c) Image(61, c) = static_cast<std::uint8_t>(id[c]);
  Image(61, 5) = static_cast<std::uint8_t>(BandIndex);
  s_.RetriesLeft = kAttemptsAfterFirst;
  StartLink();
  if (!port_.IsOpen()) return;
  view_.SetProgress(0);
  view_.SetStatus(LangText("正在与对讲机联络 ！", "Connecting with transceiver. "));
}

void WriteLink::IdentificationAccepted() {
  s_.DataPhase = true;
  s_.BlockNo = 0;
  Queue({kAck, 0x57, 0x00, 0x00, 0x10});
  QueueRow(0);
  s_.BlockNo = 1;
  port_.ClearInput();
  SendFrame();
  port_.ClearInput();
}

void WriteLink::OnComm() {
  if (!s_.DataPhase) {
    if (IdentificationStage()) IdentificationAccepted();
    return;
  }
  s_.RecvBuf[0] = port_.ReadByte();
  if (s_.RecvBuf[0] != kAck || !s_.FrameSent) return;
  t_.Timer2.Stop();
  if (s_.BlockNo >= s_.BlockCount) {
    StopTransferTimers();
    t_.Timer4.Start(500);
    s_.Done = true;
    s_.BusyWrite = false;
    s_.BusyRead = false;
    SendLastByteAndClose(0x45);
    view_.SetStatus(LangText("数据写入完毕 ！", "Complete writing Data "));
    view_.ImageWritten();
    return;
  }
  const int b = s_.BlockNo;
  view_.SetProgress(b * 100 / 63);
  view_.SetStatus(std::string(LangText("正在写入  ", "Writing  ")) + std::to_string(b - 1) +
                  LangText("  数据块", "  Data Block"));
  Queue({0x57, static_cast<std::uint8_t>(b / 16), static_cast<std::uint8_t>((16 * b) % 256), 0x10});
  QueueRow(b);
  ++s_.BlockNo;
  SendFrame();
}
