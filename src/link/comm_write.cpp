#include "link/comm_write.h"

#include <string>

#include "codec/channel_record.h"

WriteLink::WriteLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
                     RadioImage& image)
    : TransferLink(LinkKind::Write, port, timers, view, inputs, image) {}

void PrepareForWrite(RadioImage& image, int modelCode) {
  MarkSpotFrequencies(image);
  for (int c = 0; c < 5; ++c)
    image.at(kIdentificationCell.row, kIdentificationCell.col + c) =
        frames::kIdentification[static_cast<std::size_t>(c)];
  image.at(kModelCodeCell) = static_cast<std::uint8_t>(modelCode);
}

void WriteLink::Command_Write_Click() {
  if (!StartAllowed()) return;
  PrepareForWrite(image_, inputs_.ModelCode());
  StartTransfer();
}

void WriteLink::IdentificationAccepted() {
  s_.DataPhase = true;
  s_.BlockNo = 0;
  Queue(frames::BlockWrite(0, image_, true));
  s_.BlockNo = 1;
  port_.ClearInput();
  SendFrame();
  port_.ClearInput();
}

void WriteLink::OnComm() {
  if (!FrameAcknowledged()) return;
  t_.Timer2.Stop();
  if (s_.BlockNo >= s_.BlockCount) {
    StopTransferTimers();
    t_.Timer4.Start(500);
    s_.Done = true;
    s_.BusyWrite = false;
    s_.BusyRead = false;
    SendLastByteAndClose(frames::kEndWrite);
    view_.SetStatus(Text("数据写入完毕 ！", "Complete writing Data "));
    view_.ImageWritten();
    return;
  }
  const int b = s_.BlockNo;
  view_.SetProgress(b * 100 / 63);
  view_.SetStatus(std::string(Text("正在写入  ", "Writing  ")) + std::to_string(b - 1) +
                  Text("  数据块", "  Data Block"));
  Queue(frames::BlockWrite(b, image_, false));
  ++s_.BlockNo;
  SendFrame();
}
