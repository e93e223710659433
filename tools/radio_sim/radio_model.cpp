#include "radio_model.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
constexpr std::array<std::uint8_t, 8> kWakeUp = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
constexpr int kPasswordAt = 0x3D6;
constexpr int kModelCodeAt = 0x3D5;
constexpr int kPowerAt = 0x3F0;

std::string Address(int address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%03X", address);
  return text;
}
}  // namespace

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char hex[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(hex, sizeof hex, "%02X", b);
    if (!text.empty()) text += ' ';
    text += hex;
  }
  return text;
}

RadioModel::RadioModel() {
  memory_.fill(0xFF);
}

void RadioModel::SetPassword(const std::array<std::uint8_t, 6>& digits) {
  std::copy(digits.begin(), digits.end(), memory_.begin() + kPasswordAt);
}

bool RadioModel::FaultsActive() const {
  return faults.faultySessions < 0 || wakeUps_ <= faults.faultySessions;
}

bool RadioModel::StopActive() const {
  if (faults.stopSessions < 0) return FaultsActive();
  return wakeUps_ <= faults.stopSessions;
}

void RadioModel::Note(std::int64_t t, Direction d, std::vector<std::uint8_t> bytes,
                      std::string what) {
  if (onLog) onLog({t, d, std::move(bytes), std::move(what)});
}

void RadioModel::FlushIgnored(std::int64_t t) {
  if (ignored_.empty()) return;
  std::vector<std::uint8_t> bytes;
  bytes.swap(ignored_);
  Note(t, Direction::ToRadio, std::move(bytes), "ignored");
}

std::vector<std::uint8_t> RadioModel::Receive(std::uint8_t byte, std::int64_t t) {
  delays_.clear();
  if (anyByte_ && t - lastByteNs_ > kFrameGapNs && !frame_.empty()) {
    Note(t, Direction::Note, frame_, "incomplete frame dropped");
    frame_.clear();
  }
  anyByte_ = true;
  lastByteNs_ = t;

  if (mode_ == Mode::Asleep) {
    std::rotate(lastEight_.begin(), lastEight_.begin() + 1, lastEight_.end());
    lastEight_.back() = byte;
    ignored_.push_back(byte);
    if (lastEight_ != kWakeUp) return {};
    ignored_.resize(ignored_.size() - kWakeUp.size());
    lastEight_.fill(0);
    return WakeUp(t);
  }

  frame_.push_back(byte);
  return Command(t);
}

std::vector<std::uint8_t> RadioModel::WakeUp(std::int64_t t) {
  FlushIgnored(t);
  ++wakeUps_;
  replyNo_ = 0;
  frame_.clear();
  Note(t, Direction::ToRadio, {kWakeUp.begin(), kWakeUp.end()},
       "wake-up \"PROGRAM\" (" + std::to_string(wakeUps_) + ")");
  if (faults.silent && FaultsActive()) {
    Note(t, Direction::Note, {}, "stays silent");
    return {};
  }
  mode_ = Mode::Linked;
  wroteThisSession_ = false;
  std::vector<std::uint8_t> id = {'R', 'T', '4', '1', '0'};
  if (faults.wrongIdentification && FaultsActive()) id[3] = '0';
  id.push_back(memory_[kModelCodeAt]);
  id.push_back(memory_[kPowerAt]);
  id.push_back(memory_[kPowerAt + 1]);
  id.push_back(0x00);
  return Reply(t, std::move(id), "identification", RadioFaults::Short::Identification);
}

std::vector<std::uint8_t> RadioModel::Reply(std::int64_t t, std::vector<std::uint8_t> bytes,
                                            const std::string& what, RadioFaults::Short kind) {
  std::string note = what;
  const int number = ++replyNo_;
  std::size_t extras = 0;
  delays_.assign(bytes.size(), 0);
  if (FaultsActive()) {
    const RadioFaults& f = faults;
    if (kind != RadioFaults::Short::None && f.shortReply == kind) {
      bytes.pop_back();
      note += " (one byte short)";
    }
    if (f.extraBytes > 0 && number % std::max(1, f.extraEvery) == 0) {
      extras = static_cast<std::size_t>(f.extraBytes);
      bytes.insert(bytes.end(), extras, f.extraByte);
      note += " (" + std::to_string(f.extraBytes) + " bytes longer)";
    }
    const int stray =
        f.garbageBytes + (kind == RadioFaults::Short::Identification ? f.strayBeforeId : 0);
    if (stray > 0) {
      bytes.insert(bytes.begin(), static_cast<std::size_t>(stray), kGarbage);
      note += " (after " + std::to_string(stray) + " stray bytes)";
    }
    delays_.assign(bytes.size(), 0);
    auto at = [&](int byte) {
      return std::min(static_cast<std::size_t>(std::max(byte, 0)), bytes.size() - 1);
    };
    const bool damaging = f.damageSessions < 0 || wakeUps_ <= f.damageSessions;
    if (f.damage != RadioFaults::Damage::None && damaging && number == f.damageReply &&
        !bytes.empty()) {
      const std::size_t i = at(f.damageByte);
      switch (f.damage) {
        case RadioFaults::Damage::Dup:
          bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes[i]);
          delays_.push_back(0);
          note += " (byte " + std::to_string(i) + " doubled)";
          break;
        case RadioFaults::Damage::Flip:
          bytes[i] ^= f.flipMask;
          note += " (byte " + std::to_string(i) + " flipped)";
          break;
        case RadioFaults::Damage::Drop:
          bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(i));
          delays_.pop_back();
          note += " (byte " + std::to_string(i) + " dropped)";
          break;
        case RadioFaults::Damage::None:
          break;
      }
    }
    if (f.lateTailNs > 0 && (f.lateTailReply == 0 || f.lateTailReply == number) &&
        bytes.size() > 1) {
      const std::size_t tail = std::clamp<std::size_t>(extras, 1, bytes.size() - 1);
      delays_[bytes.size() - tail] += f.lateTailNs;
      note += " (last " + std::to_string(tail) + " late)";
    }
    if (f.gapNs > 0 && number == f.gapReply && !bytes.empty()) delays_[at(f.gapByte)] += f.gapNs;
  }
  Note(t, Direction::FromRadio, bytes, note);
  return bytes;
}

std::vector<std::uint8_t> RadioModel::Command(std::int64_t t) {
  const std::uint8_t op = frame_[0];
  auto done = [&](std::string what) {
    FlushIgnored(t);
    Note(t, Direction::ToRadio, frame_, std::move(what));
    frame_.clear();
  };

  switch (op) {
    case 0x06:
      done("acknowledge");
      return {};
    case 0x03: {
      done("password request");
      std::vector<std::uint8_t> reply(memory_.begin() + kPasswordAt,
                                      memory_.begin() + kPasswordAt + 6);
      reply.push_back(0x06);
      return Reply(t, std::move(reply), "password", RadioFaults::Short::Password);
    }
    case 'R': {
      if (frame_.size() < 4) return {};
      const int address = frame_[1] * 256 + frame_[2];
      const int length = frame_[3];
      if (length != 16 || address % 16 != 0 || address + length > kMemoryBytes) {
        done("read request refused: " + Address(address) + " length " + std::to_string(length));
        return {};
      }
      const int block = address / 16;
      done("read block " + std::to_string(block) + " at " + Address(address));
      // Header: "W", the address and the length, as a write frame would carry them.
      std::vector<std::uint8_t> reply = {'W', static_cast<std::uint8_t>(address >> 8),
                                         static_cast<std::uint8_t>(address & 0xFF), 0x10};
      unsigned sum = 0;
      for (int i = 0; i < 16; ++i) {
        const std::uint8_t b = memory_[static_cast<std::size_t>(address + i)];
        reply.push_back(b);
        sum += b;
      }
      reply.push_back(static_cast<std::uint8_t>(sum & 0xFF));
      ++blocksRead_;
      std::vector<std::uint8_t> out =
          Reply(t, std::move(reply), "block " + std::to_string(block), RadioFaults::Short::Block);
      if (StopActive() && block == faults.stopAfterBlock) {
        Note(t, Direction::Note, {}, "stops answering");
        mode_ = Mode::Asleep;
      }
      return out;
    }
    case 'W':
    case 'g': {
      if (frame_.size() < 4) return {};
      const int length = frame_[3];
      if (frame_.size() < static_cast<std::size_t>(4 + length)) return {};
      const int address = frame_[1] * 256 + frame_[2];
      if (length != 16 || address % 16 != 0 || address + length > kMemoryBytes) {
        done("write refused: " + Address(address) + " length " + std::to_string(length));
        return {};
      }
      const int block = address / 16;
      std::copy(frame_.begin() + 4, frame_.end(), memory_.begin() + address);
      wroteThisSession_ = true;
      if (op == 'g') {
        ++powerBlocks_;
        done("power block at " + Address(address) + ": low " + std::to_string(frame_[4]) +
             ", high " + std::to_string(frame_[5]));
      } else {
        ++blocksWritten_;
        done("write block " + std::to_string(block) + " at " + Address(address));
      }
      const bool faulty = FaultsActive();
      if (faulty && op == 'W' && block == faults.earlyAckBlock) {
        Note(t, Direction::Note, {}, "its acknowledge went out early");
        return {};
      }
      std::vector<std::uint8_t> ack = {0x06};
      if (faulty && op == 'W' && block + 1 == faults.earlyAckBlock) ack.push_back(0x06);
      std::vector<std::uint8_t> out =
          Reply(t, std::move(ack), "acknowledge", RadioFaults::Short::None);
      if (StopActive() && block == faults.stopAfterBlock) {
        Note(t, Direction::Note, {}, "stops answering");
        mode_ = Mode::Asleep;
      }
      return out;
    }
    case 'E':
    case 'b': {
      done(op == 'E' ? "end of programming \"E\"" : "end of adjustment \"b\"");
      ++(op == 'E' ? endE_ : endB_);
      mode_ = Mode::Asleep;
      if (wroteThisSession_ && onWritten) onWritten();
      wroteThisSession_ = false;
      return {};
    }
    case 'P': {
      // A restart's wake-up while the radio still thinks it is linked.
      const std::size_t n = frame_.size();
      if (frame_[n - 1] != kWakeUp[n - 1]) {
        ignored_.insert(ignored_.end(), frame_.begin(), frame_.end());
        frame_.clear();
        return {};
      }
      if (n < kWakeUp.size()) return {};
      mode_ = Mode::Asleep;
      return WakeUp(t);
    }
    default:
      ignored_.push_back(op);
      frame_.clear();
      return {};
  }
}
