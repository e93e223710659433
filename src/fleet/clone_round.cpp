#include "fleet/clone_round.h"

#include <algorithm>

#include "features/option_codec.h"
#include "fleet/radio_check.h"

namespace {

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

std::string BlockList(const std::vector<int>& blocks, const char* separator) {
  std::string list;
  for (const int b : blocks) {
    if (!list.empty()) list += separator;
    list += std::to_string(b);
  }
  return list;
}

std::string CloneResultText(CloneResult result, bool chinese) {
  switch (result) {
    case CloneResult::Success:
      return chinese ? "成功" : "success";
    case CloneResult::Verified:
      return chinese ? "校验一致" : "verified";
    case CloneResult::Failed:
      return chinese ? "失败" : "failed";
    case CloneResult::NoRadio:
      return chinese ? "无对讲机" : "no radio";
    case CloneResult::Waiting:
    case CloneResult::Running:
      break;
  }
  return {};
}

// The port, noting whether anything at all came back on it.
class ClonePort::ListeningPort : public SerialPortOps {
 public:
  explicit ListeningPort(SerialPortOps& port) : port_(port) {}
  PortOpenResult Open(const PortId& id, const LineSettings& settings) override {
    return port_.Open(id, settings);
  }
  void Close() override { port_.Close(); }
  bool IsOpen() const override { return port_.IsOpen(); }
  int BytesWaiting() const override {
    const int waiting = port_.BytesWaiting();
    heard = heard || waiting > 0;
    return waiting;
  }
  std::uint8_t ReadByte() override {
    heard = true;
    return port_.ReadByte();
  }
  void WriteByte(std::uint8_t byte) override { port_.WriteByte(byte); }
  void ClearInput() override { port_.ClearInput(); }
  void ClearOutput() override { port_.ClearOutput(); }
  void DrainOutput() override { port_.DrainOutput(); }

  mutable bool heard = false;

 private:
  SerialPortOps& port_;
};

ClonePort::ClonePort(PortId id, SerialPortOps& port, SerialLink::Timers timers, CloneClock clock)
    : id_(std::move(id)),
      port_(std::make_unique<ListeningPort>(port)),
      timers_(timers),
      clock_(std::move(clock)) {}

ClonePort::~ClonePort() {
  if (current_) current_->Shutdown();
}

void ClonePort::Start(const ClonePlan& plan, bool withCode) {
  if (Running()) return;
  plan_ = plan;
  sent_ = plan.image;
  report_ = {};
  report_.result = CloneResult::Running;
  wantsCode_ = withCode;
  hasRadio_ = false;
  failure_.clear();
  progress_ = 0;
  status_.clear();
  port_->heard = false;
  startedAt_ = clock_();
  read_.reset();
  write_ = std::make_unique<WriteLink>(*port_, timers_, View(), Inputs(), sent_);
  current_ = write_.get();
  write_->Command_Write_Click();
  Judge();
}

void ClonePort::Stop(const std::string& why) {
  if (Running()) Finish(CloneResult::Failed, why);
}

template <class Handler>
void ClonePort::Forward(Handler handler) {
  if (!Running() || !current_) return;
  handler(*current_);
  Judge();
}

void ClonePort::MSC_OnComm() {
  Forward([](SerialLink& link) { link.MSC_OnComm(); });
}
void ClonePort::MSC_PortLost() {
  Forward([](SerialLink& link) { link.MSC_PortLost(); });
}
void ClonePort::Timer1_Timer() {
  Forward([](SerialLink& link) { link.Timer1_Timer(); });
}
void ClonePort::Timer2_Timer() {
  Forward([](SerialLink& link) { link.Timer2_Timer(); });
}
void ClonePort::Timer3_Timer() {
  Forward([](SerialLink& link) { link.Timer3_Timer(); });
}
// The close timer only takes a finished window away; the round ends a port itself.
void ClonePort::Timer4_Timer() {}

bool ClonePort::CodeDue() const {
  // The write builds each frame from the image as it sends it; row 62 goes last.
  constexpr int kCodeBlock = 62;
  return current_ && current_ == write_.get() && write_->State().DataPhase &&
         write_->State().BlockNo >= kCodeBlock - 2;
}

void ClonePort::GiveCode(const std::string& code) {
  StoreAni(code, sent_);
  report_.ani = code;
}

void ClonePort::Judge() {
  JudgeLink();
  if (onEvent) onEvent();
}

void ClonePort::JudgeLink() {
  if (!Running() || !current_) return;
  if (current_ == write_.get() && write_->State().DataPhase) hasRadio_ = true;
  if (!failure_.empty()) {
    Finish(CloneResult::Failed, failure_);
    return;
  }
  // Not one byte back on a whole attempt: nobody is there to restart for.
  if (!current_->Busy() && !current_->State().Done && timers_.Timer3.IsActive() &&
      current_ == write_.get() && !port_->heard) {
    Finish(CloneResult::NoRadio);
    return;
  }
  if (!current_->State().Done) return;
  if (current_ == write_.get()) {
    if (!plan_.verify) {
      Finish(CloneResult::Success);
      return;
    }
    write_->Shutdown();
    readBack_ = RadioImage{};
    read_ = std::make_unique<ReadLink>(*port_, timers_, View(), Inputs(), readBack_);
    current_ = read_.get();
    read_->Command_read_Click();
    JudgeLink();
    return;
  }
  report_.differingBlocks = DifferingBlocks(readBack_, sent_);
  if (report_.differingBlocks.empty()) {
    Finish(CloneResult::Verified);
    return;
  }
  std::string message =
      plan_.chinese ? "校验不符，不同的块：" : "verify found differences in blocks ";
  message += BlockList(report_.differingBlocks, ", ");
  Finish(CloneResult::Failed, message);
}

void ClonePort::Finish(CloneResult result, std::string message) {
  if (current_) current_->Shutdown();
  current_ = nullptr;
  report_.result = result;
  report_.message = OneLine(std::move(message));
  report_.seconds = clock_() - startedAt_;
  if (result == CloneResult::Success || result == CloneResult::Verified) progress_ = 100;
  if (onChange) onChange();
}

void ClonePort::SetProgress(int value) {
  progress_ = plan_.verify ? (current_ && current_ == read_.get() ? 50 : 0) + value / 2 : value;
  if (onChange) onChange();
}

void ClonePort::SetStatus(const std::string& text) {
  status_ = text;
  if (onChange) onChange();
}

// Every message of a transfer ends it: no port, no radio, a refused password.
void ClonePort::Message(const std::string& text, const std::string&) {
  if (failure_.empty()) failure_ = text;
}

void ClonePort::PortOpenOutcome(const PortId& port, const PortOpenResult& result) {
  if (result.Opened() || !failure_.empty()) return;
  const PortMessage m = PortOpenMessage(port, result, plan_.chinese, true);
  failure_ = m.text + " " + m.informative;
}

CloneRound::CloneRound(std::vector<ClonePort*> ports, const ClonePlan& plan, AniSequence* codes)
    : ports_(std::move(ports)), plan_(plan), codes_(codes) {}

std::string CloneRound::Start() {
  const int needed = static_cast<int>(ports_.size());
  if (codes_ && codes_->Left(needed) < needed) {
    const int left = codes_->Left(needed);
    return plan_.chinese ? "ANI 编码不够：只剩 " + std::to_string(left) + " 个，本轮有 " +
                               std::to_string(needed) + " 台对讲机。"
                         : "The ANI codes run out: " + std::to_string(left) +
                               " left for a round of " + std::to_string(needed) + " radios.";
  }
  for (ClonePort* port : ports_) port->onEvent = [this] { HandOutCodes(); };
  // A port that fails at once must not end the round before the next has started.
  starting_ = true;
  for (ClonePort* port : ports_) port->Start(plan_, codes_ != nullptr);
  starting_ = false;
  return {};
}

void CloneRound::HandOutCodes() {
  if (!codes_) return;
  const bool due = std::any_of(ports_.begin(), ports_.end(), [](const ClonePort* p) {
    return p->Running() && p->WantsCode() && p->CodeDue();
  });
  bool waiting = false;
  for (ClonePort* port : ports_) {
    if (!port->Running() || !port->WantsCode()) continue;
    if (!port->HasRadio()) {
      waiting = true;
      continue;
    }
    if (waiting && !due) return;
    if (const std::optional<std::string> code = codes_->Take()) port->GiveCode(*code);
  }
}

bool CloneRound::Running() const {
  return starting_ ||
         std::any_of(ports_.begin(), ports_.end(), [](const ClonePort* p) { return p->Running(); });
}

void CloneRound::Finish(CloneTotals& totals) {
  for (const ClonePort* port : ports_) {
    const ClonePortReport& r = port->Report();
    switch (r.result) {
      case CloneResult::Success:
      case CloneResult::Verified:
        ++totals.done;
        continue;
      case CloneResult::Failed:
        ++totals.failed;
        break;
      case CloneResult::NoRadio:
        ++totals.noRadio;
        break;
      case CloneResult::Waiting:
      case CloneResult::Running:
        break;
    }
    if (codes_ && !r.ani.empty()) codes_->GiveBack(r.ani);
  }
}

void CloneRound::Stop(const std::string& why) {
  for (ClonePort* port : ports_) port->Stop(why);
}
