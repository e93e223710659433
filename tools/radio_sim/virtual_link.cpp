#include "virtual_link.h"

#include <algorithm>

VirtualClock::EventId VirtualClock::At(Nanos when, std::function<void()> action) {
  const EventId id{std::max(when, now_), seq_++};
  events_.emplace(id, std::move(action));
  return id;
}

bool VirtualClock::Step() {
  if (events_.empty()) return false;
  auto it = events_.begin();
  now_ = it->first.first;
  std::function<void()> action = std::move(it->second);
  events_.erase(it);
  action();
  return true;
}

void VirtualClock::RunFor(Nanos duration) {
  const Nanos end = now_ + duration;
  while (!events_.empty() && events_.begin()->first.first <= end) Step();
  now_ = end;
}

bool VirtualClock::RunUntil(const std::function<bool()>& done, Nanos limit) {
  const Nanos end = now_ + limit;
  while (!done()) {
    if (events_.empty() || events_.begin()->first.first > end) return false;
    Step();
  }
  return true;
}

void VirtualTimer::Start(int milliseconds) {
  if (pending_) clock_.Cancel(*pending_);
  active_ = true;
  interval_ = milliseconds;
  ++generation_;
  Schedule(clock_.Now() + Ms(milliseconds));
}

void VirtualTimer::Stop() {
  if (pending_) clock_.Cancel(*pending_);
  pending_.reset();
  active_ = false;
  ++generation_;
}

void VirtualTimer::Schedule(Nanos when) {
  const std::uint64_t generation = generation_;
  pending_ = clock_.At(when, [this, generation, when] {
    pending_.reset();
    if (!active_ || generation != generation_) return;
    Schedule(when + Ms(interval_));
    if (onTick) onTick();
  });
}

SimulatedRadioPort::SimulatedRadioPort(VirtualClock& clock, RadioModel& radio, int baud)
    : clock_(clock), radio_(radio), byteTime_(10'000'000'000LL / baud) {}

SimulatedRadioPort::~SimulatedRadioPort() {
  *alive_ = false;
}

PortOpenResult SimulatedRadioPort::Open(const PortId& port, const LineSettings& settings) {
  lastPort_ = port;
  lastSettings_ = settings;
  if (!openFailure.Opened()) return openFailure;
  if (open_) return {PortFault::Busy, {}};
  if (unplugged_) return {PortFault::NotFound, {}};
  open_ = true;
  ++opens_;
  burstOpen_ = false;
  return {};
}

void SimulatedRadioPort::Close() {
  const Nanos now = clock_.Now();
  for (auto& out : inFlight_) {
    if (out->done > now && !out->drained && !out->lost) {
      out->lost = true;
      lostOnClose_.push_back(out->byte);
    }
  }
  open_ = false;
  input_.clear();
  burstOpen_ = false;
}

std::uint8_t SimulatedRadioPort::ReadByte() {
  if (input_.empty()) return 0;
  const std::uint8_t b = input_.front();
  input_.erase(input_.begin());
  return b;
}

void SimulatedRadioPort::WriteByte(std::uint8_t byte) {
  const Nanos now = clock_.Now();
  if (burstOpen_ && !sent_.empty() && sent_.back().time == now) {
    sent_.back().bytes.push_back(byte);
  } else {
    sent_.push_back({now, {byte}});
    burstOpen_ = true;
  }
  if (!open_ || unplugged_) return;
  txFree_ = std::max(txFree_, now) + byteTime_;
  auto out = std::make_shared<Outgoing>(Outgoing{txFree_, byte});
  inFlight_.push_back(out);
  std::weak_ptr<bool> alive = alive_;
  clock_.At(txFree_, [this, alive, out] {
    if (alive.expired() || !*alive.lock()) return;
    inFlight_.erase(std::remove(inFlight_.begin(), inFlight_.end(), out), inFlight_.end());
    if (out->lost || unplugged_) return;
    Deliver(radio_.Receive(out->byte, clock_.Now()), clock_.Now());
  });
}

void SimulatedRadioPort::ClearOutput() {
  const Nanos now = clock_.Now();
  for (auto& out : inFlight_) {
    if (out->done - byteTime_ > now) out->lost = true;
  }
}

void SimulatedRadioPort::DrainOutput() {
  for (auto& out : inFlight_) out->drained = true;
}

void SimulatedRadioPort::Deliver(const std::vector<std::uint8_t>& reply, Nanos from) {
  // When each byte reaches the port: its wire time, held back as the adapter does,
  // never before a byte that came over the wire before it.
  std::vector<Nanos> at(reply.size());
  const std::size_t tailFrom =
      reply.size() -
      std::min<std::size_t>(reply.size(), static_cast<std::size_t>(chunking.tailBytes));
  const std::vector<Nanos>& delays = radio_.ReplyDelays();
  const Nanos byteTime = radioByteTime > 0 ? radioByteTime : byteTime_;
  for (std::size_t i = 0; i < reply.size(); ++i) {
    rxFree_ = std::max(rxFree_, from) + byteTime + (i < delays.size() ? delays[i] : 0);
    Nanos t = rxFree_;
    if (i >= tailFrom && i > 0) t = std::max(t, at[tailFrom - 1] + chunking.tailDelay);
    if (chunking.latency > 0) t = (t + chunking.latency - 1) / chunking.latency * chunking.latency;
    handedOn_ = std::max(handedOn_, t);
    at[i] = handedOn_;
  }
  std::weak_ptr<bool> alive = alive_;
  const bool chunked = chunking.latency > 0 || chunking.tailBytes > 0;
  for (std::size_t i = 0; i < reply.size();) {
    // One chunk: the bytes handed on at the same moment, or a single byte.
    std::size_t end = i + 1;
    while (chunked && end < reply.size() && at[end] == at[i]) ++end;
    const std::vector<std::uint8_t> bytes(reply.begin() + static_cast<std::ptrdiff_t>(i),
                                          reply.begin() + static_cast<std::ptrdiff_t>(end));
    const bool last = end == reply.size();
    clock_.At(at[i], [this, alive, bytes, last] {
      if (alive.expired() || !*alive.lock()) return;
      if (!open_ || unplugged_) return;
      input_.insert(input_.end(), bytes.begin(), bytes.end());
      if ((notifyEachByte || last) && onReceive) onReceive();
    });
    i = end;
  }
}

void SimulatedRadioPort::Hear(std::uint8_t byte) {
  if (!open_ || unplugged_) return;
  input_.push_back(byte);
  if (onReceive) onReceive();
}

void SimulatedRadioPort::Unplug() {
  unplugged_ = true;
  input_.clear();
  std::weak_ptr<bool> alive = alive_;
  clock_.At(clock_.Now(), [this, alive] {
    if (alive.expired() || !*alive.lock()) return;
    if (onLost) onLost();
  });
}
