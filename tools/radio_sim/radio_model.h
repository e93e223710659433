#pragma once
// The radio's side of the programming protocol, as the simulator and the tests
// play it: a passive model that is handed each byte as it finishes arriving and
// answers with the bytes the radio sends back. It knows nothing of time beyond
// the timestamps it is given, so a virtual clock or a real one can drive it.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Ways the radio can be told to misbehave.
struct RadioFaults {
  enum class Short { None, Identification, Password, Block };

  bool silent = false;               // never answers
  bool wrongIdentification = false;  // answers "RT400" instead of "RT410"
  int stopAfterBlock = -1;           // goes quiet once block k has been read or written
  Short shortReply = Short::None;    // that reply one byte short
  int garbageBytes = 0;              // stray bytes sent before every reply
  int strayBeforeId = 0;             // stray bytes sent before the identification only
  int extraBytes = 0;                // every reply this many bytes longer
  std::uint8_t extraByte = 0x55;     // what those bytes carry
  int extraEvery = 1;                // ...on every n-th reply of a session only
  int earlyAckBlock = -1;            // acknowledges block k before it was sent, then never
  // Replies are counted from each wake-up, the identification being reply 1.
  std::int64_t lateTailNs = 0;  // the extra bytes (or the last byte) handed on this much later
  int lateTailReply = 0;        // ...of that reply only; 0: of every reply
  std::int64_t gapNs = 0;       // a pause before byte gapByte of reply gapReply
  int gapReply = 0;
  int gapByte = 0;
  enum class Damage { None, Dup, Flip, Drop };
  Damage damage = Damage::None;  // byte damageByte (0 first) of reply damageReply doubled,
  int damageReply = 0;           // flipped or dropped
  int damageByte = 0;
  std::uint8_t flipMask = 0x01;
  // The faults hold for the first n wake-ups only; -1: for every one.
  int faultySessions = -1;
  int stopSessions = -1;    // likewise for stopAfterBlock alone; -1: as the other faults
  int damageSessions = -1;  // likewise for the damaged byte
};

class RadioModel {
 public:
  static constexpr int kMemoryBytes = 1024;
  static constexpr std::int64_t kFrameGapNs = 100'000'000;  // a partial frame is dropped
  static constexpr std::uint8_t kGarbage = 0xAA;            // a stray byte
  using Memory = std::array<std::uint8_t, kMemoryBytes>;

  enum class Direction { ToRadio, FromRadio, Note };
  struct LogEntry {
    std::int64_t timeNs;
    Direction direction;
    std::vector<std::uint8_t> bytes;
    std::string what;
  };

  RadioModel();  // erased memory: every byte 0xFF

  Memory& memory() { return memory_; }
  const Memory& memory() const { return memory_; }
  // The radio's data password, one digit per byte at 0x3D6..0x3DB.
  void SetPassword(const std::array<std::uint8_t, 6>& digits);

  RadioFaults faults;

  // A byte has finished arriving at timeNs; returns what the radio answers, in order.
  std::vector<std::uint8_t> Receive(std::uint8_t byte, std::int64_t timeNs);
  // For each byte of the last answer, how much later than its wire time allows it
  // reaches the computer (a late tail, a pause of the radio).
  const std::vector<std::int64_t>& ReplyDelays() const { return delays_; }

  bool Linked() const { return mode_ == Mode::Linked; }
  int WakeUps() const { return wakeUps_; }
  int BlocksRead() const { return blocksRead_; }
  int BlocksWritten() const { return blocksWritten_; }
  int PowerBlocks() const { return powerBlocks_; }
  int EndBytes(std::uint8_t which) const { return which == 'E' ? endE_ : endB_; }

  // Called for each log entry as it is made.
  std::function<void(const LogEntry&)> onLog;
  // Called when a session ends with "E" or "b" after something was written.
  std::function<void()> onWritten;

 private:
  enum class Mode { Asleep, Linked };

  bool FaultsActive() const;
  bool StopActive() const;
  std::vector<std::uint8_t> WakeUp(std::int64_t t);
  std::vector<std::uint8_t> Command(std::int64_t t);
  std::vector<std::uint8_t> Reply(std::int64_t t, std::vector<std::uint8_t> bytes,
                                  const std::string& what, RadioFaults::Short kind);
  void Note(std::int64_t t, Direction d, std::vector<std::uint8_t> bytes, std::string what);
  void FlushIgnored(std::int64_t t);

  Memory memory_{};
  Mode mode_ = Mode::Asleep;
  std::vector<std::uint8_t> frame_;
  std::vector<std::uint8_t> ignored_;
  std::array<std::uint8_t, 8> lastEight_{};
  std::int64_t lastByteNs_ = 0;
  bool anyByte_ = false;
  bool wroteThisSession_ = false;
  int wakeUps_ = 0;
  int replyNo_ = 0;  // replies of this session
  std::vector<std::int64_t> delays_;
  int blocksRead_ = 0;
  int blocksWritten_ = 0;
  int powerBlocks_ = 0;
  int endE_ = 0;
  int endB_ = 0;
};

// "0x3F0 .." style text of a byte run: "06 57 00 00 10".
std::string HexBytes(const std::vector<std::uint8_t>& bytes);
