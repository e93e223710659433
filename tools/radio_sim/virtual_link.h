#pragma once
// A radio on a virtual clock, behind the link's port and timer interfaces: the link
// runs unchanged, bytes take their 9600-baud wire time, and no test waits for real.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/port_ops.h"
#include "radio_model.h"

using Nanos = std::int64_t;
constexpr Nanos Ms(std::int64_t ms) {
  return ms * 1'000'000;
}

class VirtualClock {
 public:
  using EventId = std::pair<Nanos, std::uint64_t>;
  Nanos Now() const { return now_; }
  EventId At(Nanos when, std::function<void()> action);
  // Forgets an event that has not run yet.
  void Cancel(const EventId& id) { events_.erase(id); }
  // Runs the earliest pending event; false when there is none.
  bool Step();
  // Runs every event due up to Now() + duration, then stands at that time.
  void RunFor(Nanos duration);
  // Runs events until done() holds or the clock would pass Now() + limit;
  // returns done().
  bool RunUntil(const std::function<bool()>& done, Nanos limit);

 private:
  Nanos now_ = 0;
  std::uint64_t seq_ = 0;
  std::map<EventId, std::function<void()>> events_;
};

class VirtualTimer : public TimerOps {
 public:
  explicit VirtualTimer(VirtualClock& clock) : clock_(clock) {}
  void Start(int milliseconds) override;
  void Stop() override;
  bool IsActive() const override { return active_; }

  std::function<void()> onTick;

 private:
  void Schedule(Nanos when);

  VirtualClock& clock_;
  bool active_ = false;
  int interval_ = 0;
  // The next tick; cancelled at a restart, so a timer restarted at every byte keeps
  // one event on the clock, not thousands.
  std::optional<VirtualClock::EventId> pending_;
  std::uint64_t generation_ = 0;
};

class SimulatedRadioPort : public SerialPortOps {
 public:
  // What the link handed to the port in one instant: a frame, an acknowledge, an end byte.
  struct Burst {
    Nanos time;
    std::vector<std::uint8_t> bytes;
  };

  SimulatedRadioPort(VirtualClock& clock, RadioModel& radio, int baud = 9600);
  ~SimulatedRadioPort() override;

  PortOpenResult Open(const PortId& port, const LineSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  int BytesWaiting() const override { return static_cast<int>(input_.size()); }
  std::uint8_t ReadByte() override;
  void WriteByte(std::uint8_t byte) override;
  void ClearInput() override { input_.clear(); }
  void ClearOutput() override;
  void DrainOutput() override;

  // Receive notification and port fault, as the window would deliver them.
  std::function<void()> onReceive;
  std::function<void()> onLost;
  // False: one notification when a whole reply is in, as a busy driver may give it.
  bool notifyEachByte = true;
  // A USB adapter between the radio and the port hands received bytes on in chunks,
  // one notification a chunk.
  struct Chunking {
    Nanos latency = 0;    // every byte waits for the next multiple of this (FTDI's 16 ms)
    int tailBytes = 0;    // the last n bytes of every reply...
    Nanos tailDelay = 0;  // ...arrive together, this long after the byte before them
  };
  Chunking chunking;
  // The radio's own byte time, when its clock runs off the line's; 0: the line's.
  Nanos radioByteTime = 0;

  // A byte from the line that no reply accounts for (noise), notified at once.
  void Hear(std::uint8_t byte);
  // The cable: pulled, the port reports a fault, nothing passes and it cannot be opened.
  void Unplug();
  void Replug() { unplugged_ = false; }
  // Set: every open fails so.
  PortOpenResult openFailure;

  const std::vector<Burst>& Sent() const { return sent_; }
  // Bytes still on their way out when the port was closed, and so lost.
  const std::vector<std::uint8_t>& LostOnClose() const { return lostOnClose_; }
  int Opens() const { return opens_; }
  const PortId& LastPort() const { return lastPort_; }
  const LineSettings& LastSettings() const { return lastSettings_; }

 private:
  struct Outgoing {
    Nanos done;
    std::uint8_t byte;
    bool drained = false;
    bool lost = false;
  };
  void Deliver(const std::vector<std::uint8_t>& reply, Nanos from);

  VirtualClock& clock_;
  RadioModel& radio_;
  Nanos byteTime_;
  bool open_ = false;
  bool unplugged_ = false;
  std::vector<std::uint8_t> input_;
  std::vector<std::shared_ptr<Outgoing>> inFlight_;
  Nanos txFree_ = 0;
  Nanos rxFree_ = 0;
  Nanos handedOn_ = 0;  // when the adapter hands on the last byte given to it
  std::vector<Burst> sent_;
  bool burstOpen_ = false;
  std::vector<std::uint8_t> lostOnClose_;
  int opens_ = 0;
  PortId lastPort_;
  LineSettings lastSettings_{};
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
