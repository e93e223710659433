// The link's promise against radios that misbehave at random, in virtual time: a read
// ends with the radio's memory exactly or fails and leaves the image untouched; a write
// that succeeds leaves the radio holding rows 0 to 62. Each session draws its radio from
// its seed; RT410_CHAOS_SEED=n replays one session with the radio's log, and
// RT410_CHAOS_SESSIONS=n sets the count.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include "link_rig.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSessions = 1'000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kSessions = 1'000;
#else
constexpr int kSessions = 20'000;
#endif
#else
constexpr int kSessions = 20'000;
#endif

enum class Kind { Write, PlainRead, VerifiedRead };

// A doubled or flipped data byte is what a plain read cannot see.
enum Fault {
  kExtra,
  kStray,
  kLateTail,
  kGap,
  kByteTime,
  kAdapter,
  kDoubled,
  kDropped,
  kFlipped,
  kStopOnce,
  kStopForGood,
  kPassword,
  kFaults
};
const char* const kFaultNames[kFaults] = {
    "extra bytes", "stray before id", "late tail", "gap",       "byte time +-2%", "USB adapter",
    "doubled",     "dropped",         "flipped",   "stop once", "stop for good",  "password"};

struct Session {
  Kind kind = Kind::PlainRead;
  std::vector<Fault> faults;
  bool wrongPassword = false;
  bool Has(Fault f) const { return std::find(faults.begin(), faults.end(), f) != faults.end(); }
};

// The radio, the cable and the image of one session, drawn from its seed.
template <class L>
Session Draw(std::uint64_t seed, LinkRig<L>& rig) {
  std::mt19937_64 rng(seed);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  Session s;
  s.kind = static_cast<Kind>(pick(0, 2));
  for (auto& b : rig.radio.memory()) b = static_cast<std::uint8_t>(pick(0, 255));
  std::fill_n(rig.radio.memory().begin() + 0x3D6, 6, std::uint8_t{0xFF});
  for (int r = 0; r < 256; ++r) {
    for (int c = 0; c < 16; ++c) rig.image.at(r, c) = static_cast<std::uint8_t>(pick(0, 255));
  }
  for (int k = 0; k < 6; ++k) rig.image.at(61, 6 + k) = 0xFF;
  rig.modelCode = pick(0, 4);

  const int replies = s.kind == Kind::Write ? 64 : 66;
  RadioFaults& f = rig.radio.faults;
  f.faultySessions = pick(0, 2) == 0 ? pick(1, 2) : -1;
  for (int n = pick(0, 3); n > 0; --n) {
    const auto fault = static_cast<Fault>(pick(0, kFaults - 1));
    // One damaged byte, one way of stopping.
    const bool damage = fault >= kDoubled && fault <= kFlipped;
    const bool stop = fault == kStopOnce || fault == kStopForGood;
    if (s.Has(fault) || (damage && (s.Has(kDoubled) || s.Has(kDropped) || s.Has(kFlipped))) ||
        (stop && (s.Has(kStopOnce) || s.Has(kStopForGood))))
      continue;
    s.faults.push_back(fault);
    if (fault == kExtra) {
      f.extraBytes = pick(1, 10);
      f.extraEvery = pick(0, 1) ? 1 : pick(2, 5);
      f.extraByte = static_cast<std::uint8_t>(pick(0, 255));
    } else if (fault == kStray) {
      f.strayBeforeId = pick(1, 3);
    } else if (fault == kLateTail) {
      f.lateTailNs = Ms(pick(0, 100));
      f.lateTailReply = pick(0, 1) ? 0 : pick(1, replies);
    } else if (fault == kGap) {
      f.gapNs = Ms(pick(1, 1500));
      f.gapReply = pick(1, replies);
      f.gapByte = pick(0, 24);
    } else if (fault == kByteTime) {
      rig.port.radioByteTime = 10'000'000'000LL / 9600 * pick(980, 1020) / 1000;
    } else if (fault == kAdapter) {
      rig.port.chunking.latency = Ms(pick(1, 16));
      rig.port.notifyEachByte = pick(0, 1) == 0;
    } else if (damage) {
      f.damage = fault == kDoubled   ? RadioFaults::Damage::Dup
                 : fault == kDropped ? RadioFaults::Damage::Drop
                                     : RadioFaults::Damage::Flip;
      f.damageReply = pick(1, replies);
      f.damageByte = pick(0, 30);
      f.flipMask = static_cast<std::uint8_t>(1 << pick(0, 7));
      f.damageSessions = 1;
    } else if (stop) {
      f.stopAfterBlock = pick(0, 62);
      f.stopSessions = fault == kStopOnce ? 1 : 1'000'000;
    } else if (fault == kPassword) {
      std::array<std::uint8_t, 6> digits{};
      for (auto& d : digits) d = static_cast<std::uint8_t>(pick(0, 9));
      rig.radio.SetPassword(digits);
      s.wrongPassword = pick(0, 1) != 0;
      if (s.wrongPassword) digits[static_cast<std::size_t>(pick(0, 5))] ^= 0x08;
      for (int k = 0; k < 6; ++k) rig.image.at(61, 6 + k) = digits[static_cast<std::size_t>(k)];
    }
  }
  if (std::getenv("RT410_CHAOS_SEED")) {
    std::printf("seed %llu, kind %d, faults for %d sessions:",
                static_cast<unsigned long long>(seed), static_cast<int>(s.kind), f.faultySessions);
    for (Fault fault : s.faults) std::printf(" [%s]", kFaultNames[fault]);
    std::printf("\n");
    rig.radio.onLog = [](const RadioModel::LogEntry& e) {
      std::printf("%10.3f ms %s %s\n", static_cast<double>(e.timeNs) / 1e6, e.what.c_str(),
                  HexBytes(e.bytes).c_str());
    };
  }
  return s;
}

struct Tally {
  int sessions = 0;
  int succeeded = 0;
  int plainWrong = 0;     // plain reads that succeeded with other data than the radio's
  int verifiedWrong = 0;  // verified reads that did
  int writeWrong = 0;     // writes that succeeded and left the radio holding other rows
  int falseRefusals = 0;  // "PassWord Error" with the right password or none
};

// One session; empty when the promise held, else what broke it.
std::string RunSession(std::uint64_t seed, std::map<int, Tally>& tally, Kind& kind) {
  Session s;
  auto count = [&](int Tally::*field) {
    for (Fault f : s.faults) ++(tally[f].*field);
    ++(tally[kFaults].*field);
  };
  auto end = [](auto& rig) {
    rig.RunUntil([&] { return rig.link.State().Done || !rig.messages.empty(); });
    return rig.link.State().Done || !rig.messages.empty();
  };
  RadioImage image;
  {
    std::mt19937_64 peek(seed);
    kind = static_cast<Kind>(std::uniform_int_distribution<int>(0, 2)(peek));
  }
  if (kind == Kind::Write) {
    LinkRig<WriteLink> rig(image);
    s = Draw(seed, rig);
    count(&Tally::sessions);
    rig.link.Command_Write_Click();
    if (!end(rig)) return "the write never ended";
    if (!rig.link.State().Done) return {};
    count(&Tally::succeeded);
    // The last frame may still be on the wire: the port was drained before it closed.
    rig.clock.RunFor(Ms(200));
    for (int r = 0; r <= 62; ++r) {
      for (int c = 0; c < 16; ++c) {
        if (rig.radio.memory()[static_cast<std::size_t>(r * 16 + c)] == image.at(r, c)) continue;
        count(&Tally::writeWrong);
        return "a write succeeded and the radio holds something else";
      }
    }
    return {};
  }
  LinkRig<ReadLink> rig(image);
  s = Draw(seed, rig);
  count(&Tally::sessions);
  const RadioImage before = image;
  rig.link.VerifyAfterReading(kind == Kind::VerifiedRead);
  rig.link.Form_Load();
  rig.link.Command_read_Click();
  if (!end(rig)) return "the read never ended";
  if (!rig.link.State().Done) {
    if (rig.messages[0].text == "PassWord Error, Reading Stop" && !s.wrongPassword)
      count(&Tally::falseRefusals);
    return image == before ? std::string() : "a failed read changed the image";
  }
  count(&Tally::succeeded);
  if (s.wrongPassword) return "read with the wrong password";
  RadioImage expected = before;
  for (int r = 0; r <= 253; ++r) {
    for (int c = 0; c < 16; ++c)
      expected.at(r, c) = r < 64 ? rig.radio.memory()[static_cast<std::size_t>(r * 16 + c)] : 0;
  }
  if (image == expected) return {};
  if (kind == Kind::VerifiedRead) {
    count(&Tally::verifiedWrong);
    return "a verified read succeeded with wrong data";
  }
  count(&Tally::plainWrong);
  return s.Has(kDoubled) || s.Has(kFlipped) ? "" : "a plain read succeeded with wrong data";
}

TEST(LinkChaosTest, AReadIsExactOrFailsAndAWriteThatSucceedsIsWhole) {
  std::uint64_t first = 1;
  int sessions = kSessions;
  if (const char* seed = std::getenv("RT410_CHAOS_SEED")) {
    first = std::strtoull(seed, nullptr, 10);
    sessions = 1;
  }
  if (const char* n = std::getenv("RT410_CHAOS_SESSIONS")) sessions = std::atoi(n);
  std::map<int, Tally> tally;
  std::map<Kind, int> kinds;
  std::map<std::string, int> broken;  // each way the promise broke, its first seeds reported
  for (int i = 0; i < sessions; ++i) {
    const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
    Kind kind{};
    const std::string what = RunSession(seed, tally, kind);
    ++kinds[kind];
    if (!what.empty() && ++broken[what] <= 5)
      ADD_FAILURE() << what << "; replay: RT410_CHAOS_SEED=" << seed;
  }
  std::printf("%d sessions from seed %llu: %d writes, %d plain reads, %d verified reads\n",
              sessions, static_cast<unsigned long long>(first), kinds[Kind::Write],
              kinds[Kind::PlainRead], kinds[Kind::VerifiedRead]);
  std::printf("%-16s %8s %9s %11s %14s %11s %13s\n", "fault", "sessions", "succeeded",
              "plain wrong", "verified wrong", "write wrong", "false refusal");
  for (auto& [fault, t] : tally) {
    std::printf("%-16s %8d %9d %11d %14d %11d %13d\n",
                fault == kFaults ? "all" : kFaultNames[fault], t.sessions, t.succeeded,
                t.plainWrong, t.verifiedWrong, t.writeWrong, t.falseRefusals);
  }
  for (const auto& [what, n] : broken) std::printf("%d sessions: %s\n", n, what.c_str());
  EXPECT_TRUE(broken.empty());
}

}  // namespace
