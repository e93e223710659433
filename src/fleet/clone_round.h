#pragma once
// A clone round: every port programs its own radio at the same time, each with its own
// write link (and a read link to verify), on the port and timers its caller makes and
// wires to it. The ports share nothing but the plan they are handed.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fleet/ani_sequence.h"
#include "link/comm_read.h"
#include "link/comm_write.h"

// What every radio of a clone gets.
struct ClonePlan {
  RadioImage image;     // the channel file's image
  int modelCode = 0;    // stamped into row 61, as every write does
  bool verify = false;  // read each radio back and compare blocks 0 to 62
  std::array<std::uint8_t, 6> password{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // for that read
  bool chinese = false;  // the language of the links' messages
};

enum class CloneResult { Waiting, Running, Success, Verified, Failed, NoRadio };

// "success", "verified", "failed", "no radio"; empty while waiting or running.
std::string CloneResultText(CloneResult result, bool chinese);

// "7, 12": the block numbers with separator between them.
std::string BlockList(const std::vector<int>& blocks, const char* separator);

struct ClonePortReport {
  CloneResult result = CloneResult::Waiting;
  std::string message;               // Failed: the link's message, on one line
  std::string ani;                   // the code written; empty: the plan's own
  std::vector<int> differingBlocks;  // a verify that found the radio different
  double seconds = 0;                // from the round's start to this port's end
};

// Seconds since a fixed point, for the reports.
using CloneClock = std::function<double()>;

class ClonePort : private LinkView, private LinkInputs {
 public:
  ClonePort(PortId id, SerialPortOps& port, SerialLink::Timers timers, CloneClock clock);
  ~ClonePort() override;

  // Writes plan into the radio. withCode: the radio gets a code of its own, handed
  // over by GiveCode once it has answered and before the write reaches row 62.
  void Start(const ClonePlan& plan, bool withCode);
  // Ends a running transfer at once and releases the port; the radio counts as failed.
  void Stop(const std::string& why);

  // The platform's notifications, handed to whichever link runs now.
  void MSC_OnComm();
  void MSC_PortLost();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  bool Running() const { return report_.result == CloneResult::Running; }
  // A radio answered on this port in this round.
  bool HasRadio() const { return hasRadio_; }
  bool WantsCode() const { return wantsCode_ && report_.ani.empty(); }
  // The write is about to send the block with the code.
  bool CodeDue() const;
  void GiveCode(const std::string& code);
  const PortId& Id() const { return id_; }
  const ClonePortReport& Report() const { return report_; }
  // 0..100 over the write and, with a verify, the read.
  int Progress() const { return progress_; }
  const std::string& Status() const { return status_; }
  // What the write sent, and what the verify read back.
  const RadioImage& Sent() const { return sent_; }
  const RadioImage& ReadBack() const { return readBack_; }

  // After every event that changed what the port shows or its result.
  std::function<void()> onChange;
  // After every event, for the round that hands out the codes.
  std::function<void()> onEvent;

 private:
  class ListeningPort;

  // LinkView and LinkInputs for the links.
  void SetProgress(int value) override;
  void HideProgress() override {}
  void SetStatus(const std::string& text) override;
  void Message(const std::string& text, const std::string& title) override;
  void PortOpenOutcome(const PortId& port, const PortOpenResult& result) override;
  void UnloadForm() override {}
  PortId Port() override { return id_; }
  bool Chinese() const override { return plan_.chinese; }
  int ModelCode() const override { return plan_.modelCode; }
  std::array<std::uint8_t, 6> Password() const override { return plan_.password; }

  LinkView& View() { return *this; }
  LinkInputs& Inputs() { return *this; }
  template <class Handler>
  void Forward(Handler handler);
  // Looks at the running link after each event: done, failed, or nobody there.
  void Judge();
  void JudgeLink();
  void Finish(CloneResult result, std::string message = {});

  PortId id_;
  std::unique_ptr<ListeningPort> port_;
  SerialLink::Timers timers_;
  CloneClock clock_;
  ClonePlan plan_;
  RadioImage sent_;
  RadioImage readBack_;
  std::unique_ptr<WriteLink> write_;
  std::unique_ptr<ReadLink> read_;
  SerialLink* current_ = nullptr;
  ClonePortReport report_;
  std::string failure_;
  int progress_ = 0;
  std::string status_;
  double startedAt_ = 0;
  bool hasRadio_ = false;
  bool wantsCode_ = false;
};

struct CloneTotals {
  int done = 0;
  int failed = 0;
  int noRadio = 0;
};

// One round over ports, in the order given.
class CloneRound {
 public:
  // codes: the sequence each radio takes its code from; nullptr: the plan's own code.
  CloneRound(std::vector<ClonePort*> ports, const ClonePlan& plan, AniSequence* codes);

  // Starts every port; empty when started, otherwise why not (nothing started).
  std::string Start();
  bool Running() const;
  // Once no port runs: codes of radios that did not keep theirs go back, and totals
  // count the round.
  void Finish(CloneTotals& totals);
  // Ends every running port at once.
  void Stop(const std::string& why);

 private:
  // Codes go to the radios that answered, in the ports' order; a port still trying
  // keeps its place until a radio after it needs its code.
  void HandOutCodes();

  std::vector<ClonePort*> ports_;
  const ClonePlan& plan_;
  AniSequence* codes_;
  bool starting_ = false;
};
