// Several links on one virtual clock, each against its own simulated radio.
#include "fleet/clone_round.h"

#include <gtest/gtest.h>

#include <list>

#include "features/option_codec.h"
#include "fleet/radio_check.h"
#include "radio_model.h"
#include "virtual_link.h"

namespace {

// One cable: a radio, its port and the four timers, wired to a clone port.
struct Station {
  Station(VirtualClock& clock, int number)
      : port(clock, radio),
        t1(clock),
        t2(clock),
        t3(clock),
        t4(clock),
        clone(PortId{number, "/dev/ttyUSB" + std::to_string(number - 1)}, port, {t1, t2, t3, t4},
              [&clock] { return static_cast<double>(clock.Now()) / 1e9; }) {
    port.onReceive = [this] { clone.MSC_OnComm(); };
    port.onLost = [this] { clone.MSC_PortLost(); };
    t1.onTick = [this] { clone.Timer1_Timer(); };
    t2.onTick = [this] { clone.Timer2_Timer(); };
    t3.onTick = [this] { clone.Timer3_Timer(); };
    t4.onTick = [this] { clone.Timer4_Timer(); };
  }
  // Blocks 0..62 of the radio are what the write sent, and block 63 its own.
  ::testing::AssertionResult HoldsSent(const RadioModel::Memory& before) const {
    for (int b = 0; b < 64; ++b) {
      for (int c = 0; c < 16; ++c) {
        const std::uint8_t want = b < 63 ? clone.Sent().at(b, c) : before[16 * 63 + c];
        if (radio.memory()[static_cast<std::size_t>(16 * b + c)] != want)
          return ::testing::AssertionFailure() << "block " << b << " cell " << c;
      }
    }
    return ::testing::AssertionSuccess();
  }

  RadioModel radio;
  SimulatedRadioPort port;
  VirtualTimer t1, t2, t3, t4;
  ClonePort clone;  // after its port and timers, which it releases as it goes
};

ClonePlan PatternPlan(bool verify) {
  ClonePlan plan;
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) plan.image.at(r, c) = static_cast<std::uint8_t>((r * 16 + c) * 13);
  }
  StorePassword("", plan.image);
  StoreAni("1234", plan.image);
  plan.modelCode = 3;
  plan.verify = verify;
  return plan;
}

struct Misbehaviour {
  const char* name;
  void (*apply)(Station&);
  CloneResult result;
  const char* message;  // a piece of the report's message
  bool answers;         // the radio answered the wake-up, so it was given a code
};

void Silent(Station& s) {
  s.radio.faults.silent = true;
}
void Stranger(Station& s) {
  s.radio.faults.wrongIdentification = true;
}
void StopsInTheWrite(Station& s) {
  s.radio.faults.stopAfterBlock = 20;
}
void EarlyAck(Station& s) {
  s.radio.faults.earlyAckBlock = 5;
}
void NoPort(Station& s) {
  s.port.openFailure = {PortFault::NotFound, {}};
}
void Pulled(Station& s) {
  s.port.Unplug();
}
void Password(Station& s) {
  s.radio.SetPassword({1, 2, 3, 4, 5, 6});
}
void Talkative(Station& s) {
  s.radio.faults.extraBytes = 2;
}
void ShortBlocks(Station& s) {
  s.radio.faults.shortReply = RadioFaults::Short::Block;
}

constexpr const char* kNoContact = "Fail connect with transceiver.";
const Misbehaviour kMisbehaviours[] = {
    {"silent", Silent, CloneResult::NoRadio, "", false},
    {"wrong identification", Stranger, CloneResult::Failed, kNoContact, false},
    {"stops in the write", StopsInTheWrite, CloneResult::Failed, kNoContact, true},
    {"early acknowledge", EarlyAck, CloneResult::Failed, kNoContact, true},
    {"no port", NoPort, CloneResult::Failed, "Device: COM2 (/dev/ttyUSB1)", false},
    {"cable pulled", Pulled, CloneResult::Failed, "Device: COM2", false},
    {"password of its own", Password, CloneResult::Verified, "", true},
    {"talks past its replies", Talkative, CloneResult::Verified, "", true},
    {"short block replies", ShortBlocks, CloneResult::Failed, kNoContact, true},
};

class CloneRoundTest : public ::testing::TestWithParam<Misbehaviour> {};

TEST_P(CloneRoundTest, TheOthersFinishExactly) {
  const Misbehaviour& bad = GetParam();
  VirtualClock clock;
  std::list<Station> stations;
  std::vector<ClonePort*> ports;
  std::vector<RadioModel::Memory> before;
  for (int n = 1; n <= 3; ++n) {
    Station& s = stations.emplace_back(clock, n);
    for (std::size_t i = 0; i < s.radio.memory().size(); ++i)
      s.radio.memory()[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(n));
    std::fill_n(s.radio.memory().begin() + 0x3D6, 6, std::uint8_t{0xFF});
    before.push_back(s.radio.memory());
    ports.push_back(&s.clone);
  }
  Station& odd = *std::next(stations.begin());
  bad.apply(odd);

  const ClonePlan plan = PatternPlan(true);
  AniSequence codes("00FE");
  CloneRound round(ports, plan, &codes);
  ASSERT_EQ(round.Start(), "");
  ASSERT_TRUE(clock.RunUntil([&] { return !round.Running(); }, Ms(120'000)));
  CloneTotals totals;
  round.Finish(totals);

  // Codes go to the radios that answered, in the ports' order.
  const std::vector<std::string> given = bad.answers
                                             ? std::vector<std::string>{"00FE", "00FF", "0100"}
                                             : std::vector<std::string>{"00FE", "", "00FF"};
  auto s = stations.begin();
  for (const std::string& code : given) {
    const ClonePortReport& r = s->clone.Report();
    const bool isOdd = &*s == &odd;
    SCOPED_TRACE(std::string(bad.name) + ", port " + std::to_string(s->clone.Id().number));
    EXPECT_EQ(r.result, isOdd ? bad.result : CloneResult::Verified);
    EXPECT_EQ(r.ani, code);
    if (isOdd) {
      EXPECT_NE(r.message.find(bad.message), std::string::npos) << r.message;
    } else {
      EXPECT_TRUE(s->HoldsSent(before[static_cast<std::size_t>(s->clone.Id().number - 1)]));
      EXPECT_EQ(AniText(s->clone.ReadBack()), code);
      EXPECT_EQ(s->clone.Progress(), 100);
      // A radio alone takes as long: the cables do not wait for each other.
      EXPECT_LT(r.seconds, 6.0);
    }
    EXPECT_FALSE(s->port.IsOpen());
    ++s;
  }
  const bool oddDone = bad.result == CloneResult::Verified;
  EXPECT_EQ(totals.done, oddDone ? 3 : 2);
  EXPECT_EQ(totals.failed, bad.result == CloneResult::Failed ? 1 : 0);
  EXPECT_EQ(totals.noRadio, bad.result == CloneResult::NoRadio ? 1 : 0);
  // A code the misbehaving radio did not keep goes to the next radio.
  EXPECT_EQ(codes.Take(), oddDone ? "0101" : bad.answers ? "00FF" : "0100");
  if (bad.result == CloneResult::NoRadio) {
    EXPECT_LT(odd.clone.Report().seconds, 1.2);
  }
}

INSTANTIATE_TEST_SUITE_P(OneMisbehaves, CloneRoundTest, ::testing::ValuesIn(kMisbehaviours),
                         [](const ::testing::TestParamInfo<Misbehaviour>& row) {
                           std::string name = row.param.name;
                           for (char& c : name)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(CloneRound, AVerifyNamesTheBlocksWhereTheRadioDiffers) {
  VirtualClock clock;
  Station s(clock, 1);
  ClonePlan plan = PatternPlan(true);
  AniSequence codes("7");
  CloneRound round({&s.clone}, plan, &codes);
  ASSERT_EQ(round.Start(), "");
  // The radio keeps block 7 as it was: it takes the write but changes it back.
  s.radio.onWritten = [&] { s.radio.memory()[16 * 7 + 2] ^= 0xFF; };
  ASSERT_TRUE(clock.RunUntil([&] { return !round.Running(); }, Ms(60'000)));
  EXPECT_EQ(s.clone.Report().result, CloneResult::Failed);
  EXPECT_EQ(s.clone.Report().differingBlocks, std::vector<int>{7});
  EXPECT_EQ(s.clone.Report().ani, "7");
  EXPECT_EQ(AniText(s.clone.ReadBack()), "7");
}

TEST(CloneRound, APortThatFailsAtOnceDoesNotEndTheRoundOfTheOthers) {
  VirtualClock clock;
  Station a(clock, 1), b(clock, 2);
  a.port.openFailure = {PortFault::Busy, {}};
  const ClonePlan plan = PatternPlan(false);
  CloneRound round({&a.clone, &b.clone}, plan, nullptr);
  std::vector<bool> runningAtEachChange;
  a.clone.onChange = [&] { runningAtEachChange.push_back(round.Running()); };
  ASSERT_EQ(round.Start(), "");
  EXPECT_EQ(runningAtEachChange, std::vector<bool>{true});
  EXPECT_TRUE(round.Running());
}

TEST(CloneRound, RefusedWhenTheCodesRunOut) {
  VirtualClock clock;
  Station a(clock, 1), b(clock, 2);
  const ClonePlan plan = PatternPlan(false);
  AniSequence codes("F");
  CloneRound round({&a.clone, &b.clone}, plan, &codes);
  EXPECT_EQ(round.Start(), "The ANI codes run out: 1 left for a round of 2 radios.");
  EXPECT_FALSE(round.Running());
  EXPECT_EQ(a.port.Opens(), 0);
  EXPECT_EQ(codes.Take(), "F");
}

TEST(CloneRound, StoppedMidWayReleasesEveryPort) {
  VirtualClock clock;
  Station a(clock, 1), b(clock, 2);
  const ClonePlan plan = PatternPlan(false);
  CloneRound round({&a.clone, &b.clone}, plan, nullptr);
  ASSERT_EQ(round.Start(), "");
  clock.RunFor(Ms(1000));
  ASSERT_TRUE(round.Running());
  round.Stop("stopped");
  EXPECT_FALSE(round.Running());
  for (Station* s : {&a, &b}) {
    EXPECT_EQ(s->clone.Report().result, CloneResult::Failed);
    EXPECT_FALSE(s->port.IsOpen());
    EXPECT_FALSE(s->t1.IsActive() || s->t2.IsActive() || s->t3.IsActive() || s->t4.IsActive());
  }
  clock.RunFor(Ms(30'000));
  EXPECT_EQ(a.radio.WakeUps(), 1);
}

}  // namespace
