// The write under virtual time against the simulated radio.
#include "codec/channel_record.h"
#include "link_rig.h"

namespace {

using WriteRig = LinkRig<WriteLink>;

Bytes WriteFrame(int b) {
  return Concat(
      {0x57, static_cast<std::uint8_t>(b / 16), static_cast<std::uint8_t>(16 * b % 256), 0x10},
      Row(b));
}

// Image rows 0 to 63 from a pattern, so every block differs from the blank radio.
void FillImageRows(int seed) {
  RadioModel::Memory pattern{};
  FillPattern(pattern, seed);
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) Image(r, c) = pattern[static_cast<std::size_t>(r * 16 + c)];
  }
}

TEST_F(LinkTest, WriteSendsRowsZeroToSixtyTwoAndTheEndByte) {
  FillImageRows(2);
  WriteRig rig;
  rig.modelCode = 1;
  const RadioModel::Memory radioBefore = rig.radio.memory();
  rig.link.Command_Write_Click();
  EXPECT_EQ(rig.Status(), "Connecting with transceiver. ");
  EXPECT_EQ(rig.progress, 0);
  const std::uint8_t row61[6] = {'R', 'T', '4', '1', '0', 1};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(Image(61, c), row61[c]) << c;

  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  const Nanos completed = rig.clock.Now();

  std::vector<Bytes> expected = {kWakeUpFrame, Concat({0x06, 0x57, 0x00, 0x00, 0x10}, Row(0))};
  for (int b = 1; b <= 62; ++b) expected.push_back(WriteFrame(b));
  expected.push_back({0x45});
  const std::vector<Bytes> frames = rig.Frames();
  EXPECT_EQ(frames, expected);
  ASSERT_EQ(frames.size(), 65u);
  EXPECT_EQ(Bytes(frames[18].begin(), frames[18].begin() + 4), (Bytes{0x57, 0x01, 0x10, 0x10}));
  EXPECT_EQ(Bytes(frames[63].begin(), frames[63].begin() + 4), (Bytes{0x57, 0x03, 0xE0, 0x10}));
  rig.clock.RunFor(Ms(10));

  // The radio holds rows 0 to 62; its power block is its own.
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) {
      const std::size_t at = static_cast<std::size_t>(r * 16 + c);
      EXPECT_EQ(rig.radio.memory()[at], r < 63 ? Image(r, c) : radioBefore[at]) << r << "," << c;
    }
  }
  EXPECT_EQ(rig.radio.EndBytes('E'), 1) << "the end byte must leave before the port closes";
  EXPECT_TRUE(rig.port.LostOnClose().empty());
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_EQ(rig.progress, 98);
  EXPECT_EQ(rig.Status(), "Complete writing Data ");
  EXPECT_TRUE(rig.messages.empty());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.unloaded; }, Ms(1000)));
  EXPECT_EQ(rig.unloadedAt - completed, Ms(500));
  EXPECT_EQ(rig.Status(), "Complete writing Data ");
}

TEST_F(LinkTest, WriteNamesTheBlockJustAcknowledged) {
  for (bool chinese : {false, true}) {
    WriteRig rig;
    rig.chinese = chinese;
    rig.link.Command_Write_Click();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
    ASSERT_EQ(rig.statuses.size(), 64u);
    EXPECT_EQ(rig.statuses[1], chinese ? "正在写入  0  数据块" : "Writing  0  Data Block");
    EXPECT_EQ(rig.progressAtStatus[1], 1);
    EXPECT_EQ(rig.statuses[62], chinese ? "正在写入  61  数据块" : "Writing  61  Data Block");
    EXPECT_EQ(rig.progressAtStatus[62], 98);
    EXPECT_EQ(rig.statuses[63], chinese ? "数据写入完毕 ！" : "Complete writing Data ");
  }
}

TEST_F(LinkTest, WriteTakesEachRowAsItsFrameIsBuilt) {
  WriteRig rig;
  rig.link.Command_Write_Click();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.radio.BlocksWritten() == 10; }));
  Image(30, 5) = 0x5A;
  Image(3, 5) = 0x5A;
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.radio.memory()[30 * 16 + 5], 0x5A);
  EXPECT_NE(rig.radio.memory()[3 * 16 + 5], 0x5A) << "block 3 had already gone";
}

TEST_F(LinkTest, WritePreparesTheImageEvenWhenThePortFails) {
  // Channel 1 on 400.005 MHz lies in a spot window; its flag byte says otherwise.
  const std::uint8_t rx[4] = {0x00, 0x05, 0x00, 0x40};
  for (int c = 0; c < 4; ++c) Image(1, c) = rx[c];
  Image(1, kSpotCol) = 0;
  for (int c = 0; c < 6; ++c) Image(61, c) = 0;
  Image(61, 6) = 4;
  WriteRig rig;
  rig.modelCode = 2;
  rig.port.openFailure = {PortFault::NotFound, {}};
  rig.link.Command_Write_Click();
  EXPECT_EQ(Image(1, kSpotCol), 1);
  EXPECT_EQ(Image(61, 0), 'R');
  EXPECT_EQ(Image(61, 4), '0');
  EXPECT_EQ(Image(61, 5), 2);
  EXPECT_EQ(Image(61, 6), 4) << "the password cells are left alone";
  EXPECT_TRUE(rig.portError);
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text,
            "Communication port is error, please setting right communication port . ！");
  EXPECT_EQ(rig.messages[0].title, "");
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_TRUE(rig.statuses.empty());
  rig.clock.RunFor(Ms(20'000));
  EXPECT_TRUE(rig.port.Sent().empty());

  rig.port.openFailure = {};
  rig.link.Command_Write_Click();
  EXPECT_FALSE(rig.portError);
  EXPECT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
}

TEST_F(LinkTest, AnAcknowledgeBeforeTheFrameWasSentIsIgnored) {
  FillImageRows(6);
  WriteRig rig;
  rig.radio.faults.earlyAckBlock = 5;
  rig.radio.faults.faultySessions = 1;
  rig.link.Command_Write_Click();
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.port.IsOpen(); }));
  // Attempt one ends with block 5 sent and never acknowledged: the early 0x06 did
  // not count for it, and block 6 was never sent.
  const auto frames = rig.Frames();
  ASSERT_EQ(frames.size(), 7u);
  EXPECT_EQ(frames.back(), WriteFrame(5));
  EXPECT_EQ(rig.clock.Now(), rig.port.Sent().back().time + Ms(1000));

  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.radio.WakeUps(), 2);
  EXPECT_EQ(rig.Frames()[7], kWakeUpFrame);
  EXPECT_EQ(rig.port.Sent()[7].time, rig.port.Sent()[6].time + Ms(1000 + 5000 + 15));
  for (int r = 0; r < 63; ++r)
    EXPECT_EQ(rig.radio.memory()[static_cast<std::size_t>(r * 16)], Image(r, 0));
}

TEST_F(LinkTest, StrayBytesBeforeAnAcknowledgeInOneNotificationAreNotFatal) {
  FillImageRows(7);
  for (bool eachByte : {true, false}) {
    SCOPED_TRACE(eachByte ? "one notification a byte" : "one notification a reply");
    WriteRig rig;
    rig.port.notifyEachByte = eachByte;
    rig.radio.faults.garbageBytes = 2;
    rig.link.Command_Write_Click();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
    EXPECT_EQ(rig.radio.WakeUps(), 1);
    EXPECT_EQ(rig.radio.BlocksWritten(), 63);
  }
}

TEST_F(LinkTest, AWriteThatKeepsStoppingFailsAfterFourAttempts) {
  WriteRig rig;
  rig.radio.faults.stopAfterBlock = 20;
  rig.link.Command_Write_Click();
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.messages.empty(); }));
  rig.clock.RunFor(Ms(30'000));
  EXPECT_EQ(rig.radio.WakeUps(), 4);
  EXPECT_EQ(rig.radio.BlocksWritten(), 4 * 21);
  EXPECT_EQ(rig.radio.EndBytes('E'), 0);
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(rig.Status(), "Communication fault.");
  EXPECT_EQ(rig.progress, 0);
  EXPECT_FALSE(rig.unloaded);
}

}  // namespace
