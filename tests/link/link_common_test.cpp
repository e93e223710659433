// What the three link windows share: identification, the watchdog and its
// restarts, busy buttons, and a cable that goes away.
#include "link_rig.h"

namespace {

using ReadRig = LinkRig<ReadLink>;
using WriteRig = LinkRig<WriteLink>;

struct IdentificationCase {
  const char* name;
  int strayBytes;
  bool wrong;
  bool shortReply;
  bool accepted;
};

TEST_F(LinkTest, IdentificationIsLookedForInTheFirstEightBytesOfANineByteReply) {
  const IdentificationCase cases[] = {
      {"RT410 and four more bytes", 0, false, false, true},
      {"one byte before", 1, false, false, true},
      {"three bytes before", 3, false, false, true},
      {"four bytes before: past the eighth", 4, false, false, false},
      {"RT400", 0, true, false, false},
      {"exactly eight bytes", 0, false, true, false},
  };
  for (const IdentificationCase& ic : cases) {
    SCOPED_TRACE(ic.name);
    ReadRig rig;
    rig.radio.faults.garbageBytes = ic.strayBytes;
    rig.radio.faults.wrongIdentification = ic.wrong;
    if (ic.shortReply) rig.radio.faults.shortReply = RadioFaults::Short::Identification;
    rig.link.Command_read_Click();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.PwPhase() || !rig.port.IsOpen(); }));
    if (ic.accepted) {
      ASSERT_TRUE(rig.link.PwPhase());
      EXPECT_EQ(rig.port.BytesWaiting(), 0) << "what follows the eight bytes is discarded";
      rig.RunUntil([&] { return rig.Frames().size() > 1; }, Ms(200));
      EXPECT_EQ(rig.Frames(), (std::vector<Bytes>{kWakeUpFrame, {0x06, 0x03}}));
      continue;
    }
    EXPECT_EQ(rig.Frames(), std::vector<Bytes>{kWakeUpFrame});
    EXPECT_EQ(rig.clock.Now(), Ms(15 + 1000)) << "the watchdog, 1000 ms after the frame";
    EXPECT_TRUE(rig.timer3.IsActive());
  }
}

TEST_F(LinkTest, AnEightByteReplyIsNeverProcessed) {
  ReadRig rig;
  rig.radio.faults.shortReply = RadioFaults::Short::Identification;
  rig.link.Command_read_Click();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.port.BytesWaiting() == 8; }));
  rig.clock.RunFor(Ms(500));
  EXPECT_EQ(rig.port.BytesWaiting(), 8);
  EXPECT_EQ(rig.link.State().RecvBuf[1], 0);
  EXPECT_FALSE(rig.link.PwPhase());
}

// Cells of image rows 0 to rows - 1 that differ from the radio's memory.
int CellsDiffering(const RadioModel::Memory& memory, int rows) {
  int differing = 0;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 16; ++c)
      differing += Image(r, c) != memory[static_cast<std::size_t>(r * 16 + c)];
  }
  return differing;
}

struct NoisyRadioCase {
  const char* name;
  int extraBytes;     // every reply this much longer
  int strayBeforeId;  // stray bytes before the identification
  bool eachByte;      // one notification a byte, or one a reply
  SimulatedRadioPort::Chunking chunking{};
  std::uint8_t extraByte = 0x55;
};

// Bytes beyond a reply's length, or before the identification, are never taken for
// the next reply, however a USB adapter chunks them: a read gets the exact memory, the
// power window the right levels, and a write every block.
TEST_F(LinkTest, LongerRepliesAndStrayBytesBeforeTheIdentificationChangeNothing) {
  const NoisyRadioCase cases[] = {
      {"one byte longer", 1, 0, true},
      {"six bytes longer", 6, 0, true},
      {"ten bytes longer", 10, 0, true},
      {"ten bytes longer, one notification a reply", 10, 0, false},
      {"one stray byte before the identification", 0, 1, true},
      {"two stray bytes before the identification", 0, 2, true},
      {"three stray bytes before the identification", 0, 3, true},
      {"three stray bytes, one notification a reply", 0, 3, false},
      {"ten bytes longer, handed on 16 ms after the rest", 10, 0, true, {0, 10, Ms(16)}},
      {"ten bytes longer, handed on 20 ms after the rest", 10, 0, true, {0, 10, Ms(20)}},
      {"one byte longer, handed on 18 ms after the rest", 1, 0, true, {0, 1, Ms(18)}},
      {"ten acknowledges after every reply, 16 ms later", 10, 0, true, {0, 10, Ms(16)}, 0x06},
      {"an acknowledge after every reply, 16 ms later", 1, 0, true, {0, 1, Ms(16)}, 0x06},
      {"ten bytes longer, an adapter handing on every 16 ms", 10, 0, true, {Ms(16), 0, 0}},
      {"one byte longer, an adapter handing on every 16 ms", 1, 0, true, {Ms(16), 0, 0}},
      {"three stray bytes, an adapter handing on every 16 ms", 0, 3, true, {Ms(16), 0, 0}},
  };
  for (const NoisyRadioCase& nc : cases) {
    SCOPED_TRACE(nc.name);
    auto misbehave = [&nc](auto& rig) {
      rig.radio.faults.extraBytes = nc.extraBytes;
      rig.radio.faults.extraByte = nc.extraByte;
      rig.radio.faults.strayBeforeId = nc.strayBeforeId;
      rig.port.notifyEachByte = nc.eachByte;
      rig.port.chunking = nc.chunking;
    };
    ResetTestImage();
    {
      ReadRig rig;
      misbehave(rig);
      FillPattern(rig.radio.memory(), 21);
      rig.link.Command_read_Click();
      ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done || !rig.messages.empty(); }));
      EXPECT_TRUE(rig.messages.empty()) << rig.messages[0].text;
      EXPECT_EQ(rig.radio.WakeUps(), 1);
      EXPECT_EQ(CellsDiffering(rig.radio.memory(), 64), 0);
    }
    {
      WriteRig rig;
      misbehave(rig);
      for (int r = 0; r < 63; ++r) {
        for (int c = 0; c < 16; ++c) Image(r, c) = static_cast<std::uint8_t>(r * 5 + c * 11);
      }
      rig.link.Command_Write_Click();
      ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
      rig.clock.RunFor(Ms(10));
      EXPECT_EQ(rig.radio.WakeUps(), 1);
      EXPECT_EQ(rig.radio.BlocksWritten(), 63);
      EXPECT_EQ(CellsDiffering(rig.radio.memory(), 63), 0);
      EXPECT_EQ(rig.radio.EndBytes('E'), 1);
    }
    {
      LinkRig<PowerAdjustLink> rig;
      misbehave(rig);
      rig.radio.memory()[0x3F0] = 80;
      rig.radio.memory()[0x3F1] = 200;
      rig.link.StartAdjust();
      ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
      EXPECT_EQ(Image(63, 0), 80);
      EXPECT_EQ(Image(63, 1), 200);
      EXPECT_EQ(rig.radio.PowerBlocks(), 1);
      EXPECT_EQ(rig.radio.memory()[0x3F1], 200);
      rig.link.Command_Close_Click();
    }
  }
}

// When the frame after a reply leaves, for a radio that stops at the end of its
// replies: 15 ms later, the identification's included. A line that never goes quiet
// holds a frame back for at most twelve ticks.
TEST_F(LinkTest, TheFrameAfterAReplyLeavesOnceTheLineIsQuiet) {
  ReadRig rig;
  std::vector<Nanos> takenAt;  // each block reply, as its status is shown
  rig.onStatus = [&](const std::string&) { takenAt.push_back(rig.clock.Now()); };
  rig.link.Command_read_Click();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.PwPhase(); }));
  const Nanos identified = rig.clock.Now();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase; }));
  const Nanos passwordTaken = rig.clock.Now();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  const auto& sent = rig.port.Sent();
  EXPECT_EQ(sent[1].time - identified, Ms(15));
  EXPECT_EQ(sent[2].time - passwordTaken, Ms(15));
  // Connecting, then the replies to blocks 0 to 62, each answered by a request.
  ASSERT_EQ(takenAt.size(), 65u);
  EXPECT_EQ(sent[4].time - takenAt[1], Ms(15));
  EXPECT_EQ(sent.back().time, takenAt.back()) << "the last acknowledge goes at once";

  ReadRig noisy;
  noisy.link.Command_read_Click();
  ASSERT_TRUE(noisy.RunUntil([&] { return noisy.link.PwPhase(); }));
  const Nanos noiseFrom = noisy.clock.Now();
  for (int k = 1; k <= 100; ++k)
    noisy.clock.At(noiseFrom + Ms(5 * k), [&] { noisy.port.Hear(0xAA); });
  ASSERT_TRUE(noisy.RunUntil([&] { return noisy.Frames().size() > 1; }));
  EXPECT_EQ(noisy.port.Sent()[1].time - noiseFrom, Ms(12 * 15));
}

// The silent radio, for a read and for a write.
template <class Rig, class Start>
void ExpectFourAttemptsThenOneFailure(Start start) {
  Rig rig;
  start(rig);
  rig.clock.RunFor(Ms(60'000));
  ASSERT_EQ(rig.Frames().size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(rig.Frames()[static_cast<std::size_t>(k)], kWakeUpFrame);
    EXPECT_EQ(rig.port.Sent()[static_cast<std::size_t>(k)].time, Ms(15 + k * (15 + 1000 + 5000)));
  }
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(rig.messages[0].title, "");
  // 4 x (1 + 5) seconds, plus the 15 ms sender delay of each attempt.
  EXPECT_EQ(rig.messages[0].time, Ms(4 * (15 + 1000 + 5000)));
  EXPECT_EQ(rig.Status(), "Communication fault.");
  EXPECT_EQ(rig.progress, 0);
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_EQ(rig.port.Opens(), 4);
  EXPECT_FALSE(rig.timer1.IsActive() || rig.timer2.IsActive() || rig.timer3.IsActive());
}

TEST_F(LinkTest, SilenceGivesFourAttemptsAndOneFailureMessage) {
  {
    SCOPED_TRACE("read");
    ExpectFourAttemptsThenOneFailure<ReadRig>([](ReadRig& rig) {
      rig.radio.faults.silent = true;
      rig.link.Form_Load();
      rig.link.Command_read_Click();
    });
  }
  {
    SCOPED_TRACE("write");
    ExpectFourAttemptsThenOneFailure<WriteRig>([](WriteRig& rig) {
      rig.radio.faults.silent = true;
      rig.link.Command_Write_Click();
    });
  }
}

TEST_F(LinkTest, FailureMessageInChinese) {
  ReadRig rig;
  rig.chinese = true;
  rig.radio.faults.silent = true;
  rig.link.Command_read_Click();
  rig.clock.RunFor(Ms(30'000));
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text, "与对讲机联络失败 ！");
  EXPECT_EQ(rig.Status(), "与对讲机通讯故障 ！");
}

template <class Rig, class Start>
void ExpectBusyButtonsLeaveTheTransferAlone(Start start) {
  Rig reference;
  start(reference);
  ASSERT_TRUE(reference.RunUntil([&] { return reference.link.State().Done; }));

  Rig rig;
  start(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.port.Sent().size() == 12; }));
  start(rig);
  rig.link.Command_Cancel_Click();
  ASSERT_EQ(rig.messages.size(), 2u);
  EXPECT_EQ(rig.messages[0].text, "Read-write operating with transceiver .");
  EXPECT_EQ(rig.messages[1].text, "Read-write operating，don't close the window. ,");
  EXPECT_FALSE(rig.unloaded);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.Frames(), reference.Frames());
  EXPECT_EQ(rig.port.Sent().back().time, reference.port.Sent().back().time);
  EXPECT_EQ(rig.radio.WakeUps(), 1);
  EXPECT_EQ(rig.messages.size(), 2u);
}

TEST_F(LinkTest, StartAndCancelDuringATransferOnlyShowTheBusyMessages) {
  {
    SCOPED_TRACE("read");
    ExpectBusyButtonsLeaveTheTransferAlone<ReadRig>(
        [](ReadRig& rig) { rig.link.Command_read_Click(); });
  }
  {
    SCOPED_TRACE("write");
    ExpectBusyButtonsLeaveTheTransferAlone<WriteRig>(
        [](WriteRig& rig) { rig.link.Command_Write_Click(); });
  }
}

TEST_F(LinkTest, BusyMessagesInChinese) {
  ReadRig rig;
  rig.chinese = true;
  rig.link.Command_read_Click();
  rig.link.Command_read_Click();
  rig.link.Command_Cancel_Click();
  ASSERT_EQ(rig.messages.size(), 2u);
  EXPECT_EQ(rig.messages[0].text, "正在与对讲机进行读写操作 ！");
  EXPECT_EQ(rig.messages[1].text, "正在进行读写操作,请勿关窗口 ！,");
}

TEST_F(LinkTest, CancelAfterTheWatchdogAndBeforeTheRestartClosesTheWindow) {
  WriteRig rig;
  rig.radio.faults.silent = true;
  rig.link.Command_Write_Click();
  rig.clock.RunFor(Ms(2000));
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_TRUE(rig.timer3.IsActive());
  rig.link.Command_Cancel_Click();
  EXPECT_TRUE(rig.unloaded);
  EXPECT_TRUE(rig.messages.empty());
  rig.clock.RunFor(Ms(30'000));
  EXPECT_EQ(rig.Frames().size(), 1u);
  EXPECT_EQ(rig.port.Opens(), 1);
}

TEST_F(LinkTest, CancelWhenIdleClosesTheWindow) {
  ReadRig rig;
  rig.link.Form_Load();
  rig.link.Command_Cancel_Click();
  EXPECT_TRUE(rig.unloaded);
  EXPECT_TRUE(rig.messages.empty());
}

// The cable is pulled after block 10; put back after `replugAfter` or never.
template <class Rig, class Start>
void PullTheCable(Start start, std::optional<Nanos> replugAfter, Rig& rig) {
  start(rig);
  ASSERT_TRUE(
      rig.RunUntil([&] { return rig.radio.BlocksRead() + rig.radio.BlocksWritten() == 10; }));
  rig.port.Unplug();
  rig.clock.RunFor(Ms(1));
  EXPECT_FALSE(rig.port.IsOpen()) << "a lost port is closed at once";
  EXPECT_FALSE(rig.link.Busy());
  if (replugAfter) {
    rig.clock.RunFor(*replugAfter);
    rig.port.Replug();
  }
  rig.RunUntil([&] { return rig.link.State().Done || !rig.messages.empty(); }, Ms(60'000));
}

TEST_F(LinkTest, PullingTheCableDuringAReadEndsItCleanly) {
  const RadioImage before = TheImage();
  {
    SCOPED_TRACE("left out");
    ReadRig rig;
    FillPattern(rig.radio.memory(), 12);
    PullTheCable<ReadRig>([](ReadRig& r) { r.link.Command_read_Click(); }, std::nullopt, rig);
    ASSERT_EQ(rig.messages.size(), 1u);
    EXPECT_EQ(rig.messages[0].text,
              "Communication port is error, please setting right communication port . ！");
    EXPECT_EQ(rig.Status(), "Communication fault.");
    EXPECT_EQ(rig.progress, 0);
    EXPECT_FALSE(rig.link.Busy());
    EXPECT_TRUE(TheImage() == before);
    rig.clock.RunFor(Ms(60'000));
    EXPECT_EQ(rig.messages.size(), 1u);
    EXPECT_FALSE(rig.timer1.IsActive() || rig.timer2.IsActive() || rig.timer3.IsActive());
  }
  {
    SCOPED_TRACE("put back within the pause");
    ReadRig rig;
    FillPattern(rig.radio.memory(), 13);
    PullTheCable<ReadRig>([](ReadRig& r) { r.link.Command_read_Click(); }, Ms(2000), rig);
    EXPECT_TRUE(rig.link.State().Done);
    EXPECT_TRUE(rig.messages.empty());
    EXPECT_EQ(Image(40, 3), rig.radio.memory()[40 * 16 + 3]);
  }
}

TEST_F(LinkTest, PullingTheCableDuringAWriteEndsItCleanly) {
  {
    SCOPED_TRACE("left out");
    WriteRig rig;
    PullTheCable<WriteRig>([](WriteRig& r) { r.link.Command_Write_Click(); }, std::nullopt, rig);
    ASSERT_EQ(rig.messages.size(), 1u);
    EXPECT_EQ(rig.Status(), "Communication fault.");
    EXPECT_EQ(rig.radio.EndBytes('E'), 0);
  }
  {
    SCOPED_TRACE("put back within the pause");
    WriteRig rig;
    PullTheCable<WriteRig>([](WriteRig& r) { r.link.Command_Write_Click(); }, Ms(2000), rig);
    EXPECT_TRUE(rig.link.State().Done);
    rig.clock.RunFor(Ms(10));
    EXPECT_EQ(rig.radio.WakeUps(), 2);
    EXPECT_EQ(rig.radio.EndBytes('E'), 1);
  }
}

TEST_F(LinkTest, EveryOpenReportsItsOutcome) {
  ReadRig rig;
  rig.portId = {5, "/dev/ttyUSB3"};
  rig.port.openFailure = {PortFault::Busy, {}};
  rig.link.Command_read_Click();
  EXPECT_TRUE(rig.portError);
  EXPECT_EQ(rig.port.LastPort().device, "/dev/ttyUSB3");
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_TRUE(rig.statuses.empty());
  rig.port.openFailure = {};
  rig.link.Command_read_Click();
  EXPECT_FALSE(rig.portError);
  EXPECT_TRUE(rig.link.Busy());
  EXPECT_EQ(rig.messages.size(), 1u);
}

}  // namespace
