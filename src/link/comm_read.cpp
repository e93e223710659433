#include "link/comm_read.h"

#include <string>

ReadLink::ReadLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
                   RadioImage& image)
    : TransferLink(LinkKind::Read, port, timers, view, inputs, image), store_(kStoreRows) {}

void ReadLink::Form_Load() {
  t_.Timer4.Start(200);
}

void ReadLink::Command_read_Click() {
  if (!StartAllowed()) return;
  StartTransfer();
}

void ReadLink::OnComm() {
  if (s_.DataPhase) {
    DataStage();
  } else if (pwPhase_) {
    PasswordStage();
  } else if (IdentificationStage()) {
    IdentificationAccepted();
  }
}

void ReadLink::IdentificationAccepted() {
  pwPhase_ = true;
  Queue(frames::PasswordRequest());
  // The end of the identification handed on late could not be told from the password
  // reply, and would refuse the read. (A write need not wait: a late acknowledge can
  // only run it one block ahead, and the end byte still follows every block.)
  ListenLonger();
  SendFrame();
}

void ReadLink::PasswordStage() {
  if (port_.BytesWaiting() <= 6) return;
  for (std::size_t k = 1; k <= 6; ++k) s_.RecvBuf[k] = port_.ReadByte();
  EmptyAfterReply();
  const std::array<std::uint8_t, 6> password = inputs_.Password();
  bool blank = true;
  bool same = true;
  for (std::size_t k = 1; k <= 6; ++k) {
    const std::uint8_t b = s_.RecvBuf[k];
    blank = blank && b == RadioImage::kErased;
    same = same && b == password[k - 1];
  }
  if (blank || same) {
    s_.DataPhase = true;
    Queue(frames::BlockRequest(0, true));
    s_.BlockNo = 1;
    SendFrame();
    return;
  }
  port_.Close();
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
  view_.Message(Text("读数据命令字错误，禁止读取", "PassWord Error, Reading Stop"),
                Text("操作提示", "Operate Prompt"));
}

void ReadLink::DataStage() {
  if (port_.BytesWaiting() <= 20) return;
  t_.Timer2.Stop();
  auto& row = store_[static_cast<std::size_t>(s_.BlockNo)];
  for (std::size_t c = 1; c <= 20; ++c) row[c] = port_.ReadByte();
  EmptyAfterReply();
  port_.WriteByte(frames::kAck);
  if (s_.BlockNo >= s_.BlockCount) {
    StopTransferTimers();
    s_.BusyWrite = false;
    s_.BusyRead = false;
    // The acknowledge of the last block must reach the radio.
    port_.DrainOutput();
    port_.Close();
    StoreToImage();
    const bool backedUp = view_.ImageRead();
    view_.SetProgress(100);
    if (backedUp) {
      view_.SetStatus(Text("数据读出正常 ！", "Read Data in gear. "));
    } else {
      view_.SetStatus(Text("数据读出正常 ！ 但备份未能保存。",
                           "Read Data in gear. But the backup could not be saved."));
    }
    // The read is complete either way; a failed backup stays on screen until closed.
    s_.Done = backedUp;
    return;
  }
  Queue(frames::BlockRequest(s_.BlockNo, false));
  ++s_.BlockNo;
  SendFrame();
  view_.SetProgress(s_.BlockNo * 100 / 65);
  view_.SetStatus(std::string(Text("正在读取 ", "Reading ")) + std::to_string(s_.BlockNo) +
                  Text(" 数据块", " Data Block"));
}

void ReadLink::StoreToImage() {
  for (int k = 1; k <= 254; ++k) {
    for (int c = 0; c <= 15; ++c)
      image_.at(k - 1, c) = store_[static_cast<std::size_t>(k)][static_cast<std::size_t>(c + 5)];
  }
}
