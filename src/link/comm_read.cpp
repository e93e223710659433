#include "link/comm_read.h"

#include <algorithm>
#include <string>

ReadLink::ReadLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
                   RadioImage& image)
    : TransferLink(LinkKind::Read, port, timers, view, inputs, image), store_(kStoreRows) {}

void ReadLink::Form_Load() {
  t_.Timer4.Start(200);
}

void ReadLink::Command_read_Click() {
  if (!StartAllowed()) return;
  refused_.reset();
  StartTransfer();
}

void ReadLink::ResetStages() {
  pwPhase_ = false;
  pwJudging_ = false;
  pwAskedAgain_ = false;
  pwBytes_ = 0;
  replyLength_ = 0;
  relearning_ = false;
  lengthChecked_ = false;
  idExtras_ = 0;
  pwExtras_ = 0;
  lengthOpen_ = false;
  takenLength_ = 0;
  headerSamples_ = 0;
  asked_ = -1;
  pending_ = -1;
  departed_.reset();
  departedBlock_ = -1;
  repeats_.fill(0);
  plan_.clear();
  pass_ = 1;
  for (auto& c : copies_) c.clear();
  agreed_.fill(std::nullopt);
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
  // What the identification had beyond "RT410" and the four bytes after it.
  idExtras_ = IdentificationReplyBytes() - (IdentificationAt() - 1) - 9;
  Queue(frames::PasswordRequest());
  // An identification heard exactly as long as it is, after nothing, lets the request
  // go at the first quiet tick: should its end still come late, the password reply
  // shows it by its length and is asked for again. One with bytes around it comes
  // from a radio or an adapter that hands bytes on late, and is listened to longer; an
  // attempt that is to confirm a refusal lets even a slow end pass.
  const bool exact = idExtras_ == 0 && IdentificationAt() == 1;
  ListenFor(refused_ ? kQuietTicksAfterDeparture : exact ? kQuietTicks : kQuietTicksListening);
  SendFrame();
}

void ReadLink::PasswordStage() {
  if (port_.BytesWaiting() < kPasswordReply) return;
  std::array<std::uint8_t, 6> heard{};
  for (std::size_t k = 1; k <= 6; ++k) heard[k - 1] = s_.RecvBuf[k] = port_.ReadByte();
  pwExtras_ = 6 + EmptyAfterReply() - 7;
  const std::array<std::uint8_t, 6> password = inputs_.Password();
  const bool blank = std::all_of(heard.begin(), heard.end(),
                                 [](std::uint8_t b) { return b == RadioImage::kErased; });
  if (blank || heard == password) {
    s_.DataPhase = true;
    for (int b = 0; b < s_.BlockCount; ++b) plan_.push_back(b);
    Queue(frames::BlockRequest(0, true));
    asked_ = 0;
    s_.BlockNo = 1;
    ListenFor(kQuietTicks);
    SendFrame();
    return;
  }
  if (pwAskedAgain_) {
    Refused(heard);
    return;
  }
  // Judged once the line is quiet: a reply longer than the identification showed may
  // have started with the end of the identification.
  pwHeard_ = heard;
  pwBytes_ = kPasswordReply + pwExtras_;
  pwJudging_ = true;
  Queue(frames::PasswordRequest());
  ListenFor(kQuietTicksAfterDeparture);
  SendFrame();
}

bool ReadLink::PasswordJudged() {
  pwJudging_ = false;
  if (pwBytes_ > kPasswordReply + idExtras_) {
    // It held the identification's end and its own, alike for a radio that sends the
    // same extra bytes with every reply; the first block's reply is held to that.
    idExtras_ = (pwBytes_ - kPasswordReply) / 2;
    pwAskedAgain_ = true;
    return true;
  }
  Refused(pwHeard_);
  return false;
}

void ReadLink::Refused(const std::array<std::uint8_t, 6>& heard) {
  // A line fault is not a wrong password: only the same six bytes twice refuse.
  if (!refused_ || *refused_ != heard) {
    refused_ = heard;
    Timer2_Timer();
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
  // The bytes are left for the sender's quiet check.
  if (FrameWaiting()) return;
  // A reply is taken whole, once as many bytes wait as this radio's replies have.
  const int needed = replyLength_ > 0 ? replyLength_ : kLeastBlockReply;
  if (port_.BytesWaiting() < needed) return;
  for (int i = 0; i < needed; ++i) {
    const std::uint8_t b = port_.ReadByte();
    if (i < static_cast<int>(reply_.size())) reply_[static_cast<std::size_t>(i)] = b;
  }
  ReplyComplete(needed);
}

void ReadLink::ReplyComplete(int length) {
  t_.Timer2.Stop();
  port_.WriteByte(frames::kAck);
  if (headerSamples_ > 0 && !HeaderFits(asked_)) {
    // The same reply twice to a clean request is what the radio sends: its header
    // varies where the first replies happened not to.
    if (!(departed_ && departedBlock_ == asked_ && *departed_ == reply_)) {
      departed_ = reply_;
      departedBlock_ = asked_;
      Departure();
      return;
    }
    for (std::size_t i = 0; i < header_.size(); ++i) {
      if (!Fits(i, asked_)) header_[i].kinds = HeaderRule::kAny;
    }
  }
  // This reply started where the last one's length said: the last one was whole.
  TakePending();
  LearnHeader(asked_);
  pending_ = asked_;
  pendingReply_ = reply_;
  takenLength_ = length;
  lengthOpen_ = replyLength_ == 0;
  plan_.pop_front();
  // Nothing follows in this pass to vouch for the last block.
  if (plan_.empty()) TakePending();
  while (plan_.empty()) {
    if (!verify_ || pass_ == 3) {
      Finish();
      return;
    }
    if (pass_ == 1) {
      for (int b = 0; b < s_.BlockCount; ++b) plan_.push_back(b);
    } else {
      for (int b = 0; b < s_.BlockCount; ++b) {
        if (!agreed_[static_cast<std::size_t>(b)]) plan_.push_back(b);
      }
    }
    ++pass_;
  }
  // A length learned again after a departure is learned from a reply heard whole.
  Request(plan_.front(), lengthOpen_ && relearning_ ? kQuietTicksAfterDeparture : kQuietTicks);
}

bool ReadLink::Fits(std::size_t i, int block) const {
  const HeaderRule& r = header_[i];
  const std::uint8_t b = reply_[i];
  return (r.kinds & HeaderRule::kAny) || ((r.kinds & HeaderRule::kSame) && b == r.value) ||
         ((r.kinds & HeaderRule::kHigh) && b == block / 16) ||
         ((r.kinds & HeaderRule::kLow) && b == (16 * block) % 256);
}

bool ReadLink::HeaderFits(int block) const {
  for (std::size_t i = 0; i < header_.size(); ++i) {
    if (!Fits(i, block)) return false;
  }
  return true;
}

void ReadLink::LearnHeader(int block) {
  // Two replies teach the pattern; a byte they disagree on may be anything.
  if (headerSamples_ >= 2) return;
  for (std::size_t i = 0; i < header_.size(); ++i) {
    const std::uint8_t b = reply_[i];
    std::uint8_t kinds = HeaderRule::kSame;
    if (b == block / 16) kinds |= HeaderRule::kHigh;
    if (b == (16 * block) % 256) kinds |= HeaderRule::kLow;
    HeaderRule& r = header_[i];
    if (headerSamples_ == 0) {
      r = {kinds, b};
      continue;
    }
    if (b != r.value) kinds &= static_cast<std::uint8_t>(~HeaderRule::kSame);
    r.kinds &= kinds;
    if (r.kinds == 0) r.kinds = HeaderRule::kAny;
  }
  ++headerSamples_;
}

void ReadLink::Departure() {
  const int again = pending_ >= 0 ? pending_ : asked_;
  if (pending_ >= 0 && plan_.front() != pending_) plan_.push_front(pending_);
  pending_ = -1;
  lengthOpen_ = false;
  // The length is learned again; a pattern learned from one reply may have come from
  // the wrong bytes.
  replyLength_ = 0;
  relearning_ = true;
  if (headerSamples_ < 2) headerSamples_ = 0;
  if (++repeats_[static_cast<std::size_t>(again)] > kRepeats) {
    Timer2_Timer();
    return;
  }
  Request(plan_.front(), kQuietTicksAfterDeparture);
}

void ReadLink::HeardBeforeFrame(int bytes) {
  if (pwJudging_) {
    pwBytes_ += bytes;
  } else if (!s_.DataPhase) {
    idExtras_ += bytes;
  } else if (lengthOpen_) {
    takenLength_ += bytes;
  } else if (pending_ >= 0) {
    // Longer than this radio's replies: a byte may have come twice.
    Departure();
  } else if (!lengthChecked_) {
    pwExtras_ += bytes;
  }
}

bool ReadLink::FrameLeaving() {
  if (pwJudging_) return PasswordJudged();
  if (!lengthOpen_) return true;
  lengthOpen_ = false;
  replyLength_ = takenLength_;
  relearning_ = false;
  if (lengthChecked_) return true;
  lengthChecked_ = true;
  // The end of the password reply handed on late runs into the first block reply
  // and shifts every reply after it alike. A radio that answered the identification,
  // the password and the first block with different extra bytes is heard again.
  const int extras = replyLength_ - kLeastBlockReply;
  if (extras == idExtras_ && extras == pwExtras_) return true;
  Departure();
  return false;
}

void ReadLink::Request(int block, int quietTicks) {
  Queue(frames::BlockRequest(block, false));
  asked_ = block;
  s_.BlockNo = block + 1;
  ListenFor(quietTicks);
  SendFrame();
  view_.SetProgress(s_.BlockNo * 100 / 65);
  const bool verifying = pass_ > 1;
  view_.SetStatus(
      std::string(verifying ? Text("正在校验 ", "Verifying ") : Text("正在读取 ", "Reading ")) +
      std::to_string(s_.BlockNo) + Text(" 数据块", " Data Block"));
}

void ReadLink::TakePending() {
  if (pending_ < 0) return;
  Keep(pending_, pendingReply_);
  pending_ = -1;
}

void ReadLink::Keep(int block, const Reply& reply) {
  const auto b = static_cast<std::size_t>(block);
  if (!verify_) {
    std::copy(reply.begin(), reply.end(), store_[b + 1].begin() + 1);
    return;
  }
  Data data{};
  std::copy(reply.begin() + 4, reply.end(), data.begin());
  auto& copies = copies_[b];
  if (std::find(copies.begin(), copies.end(), data) != copies.end()) agreed_[b] = data;
  copies.push_back(data);
  if (pass_ == 3 && !agreed_[b] && copies.size() < static_cast<std::size_t>(2 + kVerifyTries))
    plan_.push_back(block);
}

void ReadLink::Finish() {
  StopTransferTimers();
  s_.BusyWrite = false;
  s_.BusyRead = false;
  // The acknowledge of the last block must reach the radio.
  port_.DrainOutput();
  port_.Close();
  if (verify_) {
    std::string blocks;
    for (std::size_t b = 0; b < agreed_.size(); ++b) {
      if (agreed_[b]) {
        std::copy(agreed_[b]->begin(), agreed_[b]->end(), store_[b + 1].begin() + 5);
        continue;
      }
      blocks += (blocks.empty() ? "" : Text("、", ", ")) + std::to_string(b);
    }
    if (!blocks.empty()) {
      const std::string text =
          std::string(Text("数据校验失败：第 ", "Verification failed: blocks ")) + blocks +
          Text(" 块", "");
      view_.SetProgress(0);
      view_.SetStatus(text);
      view_.Message(text);
      return;
    }
  }
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
}

void ReadLink::StoreToImage() {
  for (int k = 1; k <= 254; ++k) {
    for (int c = 0; c <= 15; ++c)
      image_.at(k - 1, c) = store_[static_cast<std::size_t>(k)][static_cast<std::size_t>(c + 5)];
  }
}
