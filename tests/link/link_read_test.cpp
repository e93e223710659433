// The read under virtual time against the simulated radio.
#include <optional>

#include "link_rig.h"

namespace {

using ReadRig = LinkRig<ReadLink>;

// The image rows a successful read of memory leaves, as a whole image.
RadioImage ImageAfterRead(const RadioImage& before, const RadioModel::Memory& memory) {
  RadioImage expected = before;
  for (int r = 0; r <= 253; ++r) {
    for (int c = 0; c < 16; ++c)
      expected.at(r, c) = r < 64 ? memory[static_cast<std::size_t>(r * 16 + c)] : 0;
  }
  return expected;
}

void StartRead(ReadRig& rig) {
  rig.link.Form_Load();
  rig.link.Command_read_Click();
}

TEST_F(LinkTest, ReadSendsEveryFrameAndReplacesTheImageOnlyAfterTheLastBlock) {
  ReadRig rig;
  FillPattern(rig.radio.memory(), 3);
  const RadioImage before = TheImage();
  bool imageKeptUntilLastBlock = true;
  rig.onStatus = [&](const std::string& text) {
    if (text != "Read Data in gear. " && !(TheImage() == before)) imageKeptUntilLastBlock = false;
  };

  StartRead(rig);
  EXPECT_EQ(rig.Status(), "Connecting with transceiver. ");
  EXPECT_EQ(rig.progress, 0);
  EXPECT_TRUE(rig.link.Busy());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  const Nanos completed = rig.clock.Now();

  std::vector<Bytes> expected = {kWakeUpFrame, {0x06, 0x03}, {0x06, 0x52, 0x00, 0x00, 0x10}};
  for (int b = 0; b < 64; ++b) {
    expected.push_back({0x06});
    if (b < 63) expected.push_back(ReadRequest(b + 1));
  }
  EXPECT_EQ(rig.Frames(), expected);
  EXPECT_EQ(rig.port.Sent().front().time, Ms(15));
  EXPECT_EQ(rig.port.Opens(), 1);
  EXPECT_EQ(rig.port.LastPort().device, rig.portId.device);
  EXPECT_EQ(rig.port.LastSettings().baud, 9600);
  EXPECT_EQ(rig.port.LastSettings().parity, 'N');
  EXPECT_EQ(rig.port.LastSettings().dataBits, 8);
  EXPECT_EQ(rig.port.LastSettings().stopBits, 1);
  EXPECT_EQ(rig.port.LastSettings().inputBufferSize, 1024);
  EXPECT_TRUE(rig.port.LostOnClose().empty()) << "the last acknowledge was cut off";

  EXPECT_TRUE(imageKeptUntilLastBlock);
  EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
  for (int c = 0; c < 16; ++c) EXPECT_EQ(Image(253, c), 0);

  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_EQ(rig.progress, 100);
  EXPECT_EQ(rig.Status(), "Read Data in gear. ");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(rig.imageReads, 1);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.unloaded; }, Ms(1000)));
  EXPECT_LE(rig.unloadedAt - completed, Ms(200));
}

TEST_F(LinkTest, AReadWhoseBackupFailsStillSucceedsAndSaysSo) {
  ReadRig rig;
  rig.backupSaved = false;
  FillPattern(rig.radio.memory(), 4);
  const RadioImage before = TheImage();
  StartRead(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.imageReads > 0; }));
  EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
  EXPECT_EQ(rig.Status(), "Read Data in gear. But the backup could not be saved.");
  EXPECT_EQ(rig.progress, 100);
  EXPECT_FALSE(rig.link.Busy());
  EXPECT_FALSE(rig.port.IsOpen());
  // The window stays so that the text can be read.
  EXPECT_FALSE(rig.RunUntil([&] { return rig.unloaded; }, Ms(2000)));
  EXPECT_EQ(rig.imageReads, 1);
}

TEST_F(LinkTest, ReadShowsTheRequestedBlockNumberAndProgress) {
  for (bool chinese : {false, true}) {
    ReadRig rig;
    rig.chinese = chinese;
    StartRead(rig);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
    // Connecting, then one text per request of blocks 1 to 63, then the completion.
    ASSERT_EQ(rig.statuses.size(), 65u);
    EXPECT_EQ(rig.statuses[0], chinese ? "正在与对讲机联络 ！" : "Connecting with transceiver. ");
    EXPECT_EQ(rig.statuses[1], chinese ? "正在读取 2 数据块" : "Reading 2 Data Block");
    EXPECT_EQ(rig.progressAtStatus[1], 3);
    EXPECT_EQ(rig.statuses[63], chinese ? "正在读取 64 数据块" : "Reading 64 Data Block");
    EXPECT_EQ(rig.progressAtStatus[63], 98);
    EXPECT_EQ(rig.statuses[64], chinese ? "数据读出正常 ！" : "Read Data in gear. ");
  }
}

struct PasswordCase {
  const char* name;
  std::optional<std::array<std::uint8_t, 6>> radioPassword;
  std::array<std::uint8_t, 6> imageCells;
  bool accepted;
};

// The image holds the case's password cells, the radio its memory and digits;
// returns the image as it was before the read.
RadioImage PreparePasswordCase(ReadRig& rig, const PasswordCase& pc, int pattern) {
  ResetTestImage();
  for (int k = 0; k < 6; ++k) Image(61, 6 + k) = pc.imageCells[static_cast<std::size_t>(k)];
  FillPattern(rig.radio.memory(), pattern);
  if (pc.radioPassword) rig.radio.SetPassword(*pc.radioPassword);
  return TheImage();
}

TEST_F(LinkTest, ReadComparesTheRadioPasswordWithTheImage) {
  constexpr std::uint8_t E = 0xFF;
  const PasswordCase cases[] = {
      {"no password, empty cells", std::nullopt, {E, E, E, E, E, E}, true},
      {"no password, cells set", std::nullopt, {1, 2, 3, 4, 5, 6}, true},
      {"same digits", std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, true},
      {"all zero", std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, true},
      {"last digit differs",
       std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6},
       {1, 2, 3, 4, 5, 7},
       false},
      {"digits swapped", std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}, {2, 1, 3, 4, 5, 6}, false},
      {"cells empty", std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}, {E, E, E, E, E, E}, false},
  };
  for (const PasswordCase& pc : cases) {
    SCOPED_TRACE(pc.name);
    ReadRig rig;
    const RadioImage before = PreparePasswordCase(rig, pc, 11);
    StartRead(rig);
    rig.RunUntil([&] { return rig.link.State().Done; }, Ms(60'000));
    if (pc.accepted) {
      EXPECT_TRUE(rig.link.State().Done);
      EXPECT_TRUE(rig.messages.empty());
      EXPECT_EQ(Image(5, 5), rig.radio.memory()[5 * 16 + 5]);
      continue;
    }
    ASSERT_EQ(rig.messages.size(), 1u);
    EXPECT_EQ(rig.messages[0].text, "PassWord Error, Reading Stop");
    EXPECT_EQ(rig.messages[0].title, "Operate Prompt");
    // A second attempt, as after a watchdog expiry, hears the same six bytes.
    EXPECT_EQ(rig.Frames(),
              (std::vector<Bytes>{kWakeUpFrame, {0x06, 0x03}, kWakeUpFrame, {0x06, 0x03}}));
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_FALSE(rig.link.Busy());
    EXPECT_FALSE(rig.timer1.IsActive() || rig.timer2.IsActive() || rig.timer3.IsActive());
    EXPECT_TRUE(TheImage() == before);
    EXPECT_EQ(rig.radio.WakeUps(), 2) << "a confirmed refusal is not restarted";
  }
}

TEST_F(LinkTest, PasswordMessageInChinese) {
  ReadRig rig;
  rig.chinese = true;
  rig.radio.SetPassword({9, 9, 9, 9, 9, 9});
  StartRead(rig);
  rig.RunUntil([&] { return !rig.messages.empty(); });
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text, "读数据命令字错误，禁止读取");
  EXPECT_EQ(rig.messages[0].title, "操作提示");
}

// The end of an identification handed on after the password request left runs into
// the password reply: the password is asked for again in the same attempt, and a
// wrong one is still refused.
TEST_F(LinkTest, APasswordReplyBehindALateIdentificationEndIsAskedForAgain) {
  const std::array<std::uint8_t, 6> digits{1, 2, 3, 4, 5, 6};
  const PasswordCase cases[] = {
      {"no password", std::nullopt, {1, 2, 3, 4, 5, 6}, true},
      {"same digits", digits, {1, 2, 3, 4, 5, 6}, true},
      {"last digit differs", digits, {1, 2, 3, 4, 5, 7}, false},
  };
  for (const int extra : {1, 10}) {
    for (const PasswordCase& pc : cases) {
      SCOPED_TRACE(std::string(pc.name) + ", extra bytes " + std::to_string(extra));
      ReadRig rig;
      const RadioImage before = PreparePasswordCase(rig, pc, 13);
      rig.radio.faults.extraBytes = extra;
      rig.port.chunking = {0, extra, Ms(20)};
      StartRead(rig);
      rig.RunUntil([&] { return rig.link.State().Done; }, Ms(60'000));
      const std::vector<Bytes> frames = rig.Frames();
      ASSERT_GE(frames.size(), 3u);
      EXPECT_EQ(frames[2], (Bytes{0x06, 0x03}));
      if (pc.accepted) {
        EXPECT_TRUE(rig.messages.empty());
        EXPECT_EQ(rig.radio.WakeUps(), 1);
        for (int a = 0; a < 64 * 16; ++a)
          ASSERT_EQ(Image(a / 16, a % 16), rig.radio.memory()[static_cast<std::size_t>(a)]) << a;
        continue;
      }
      ASSERT_EQ(rig.messages.size(), 1u);
      EXPECT_EQ(rig.messages[0].text, "PassWord Error, Reading Stop");
      EXPECT_TRUE(TheImage() == before);
    }
  }
}

TEST_F(LinkTest, AShortBlockReplyIsNeverTakenAndTheReadStartsOver) {
  ReadRig rig;
  FillPattern(rig.radio.memory(), 5);
  rig.radio.faults.shortReply = RadioFaults::Short::Block;
  rig.radio.faults.faultySessions = 1;
  const RadioImage before = TheImage();
  StartRead(rig);
  // First attempt: the 20-byte reply to block 0 sits in the buffer untouched.
  ASSERT_TRUE(rig.RunUntil([&] { return rig.port.BytesWaiting() == 20; }));
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.port.IsOpen(); }));
  EXPECT_EQ(rig.Frames().size(), 3u) << "no acknowledge for a short reply";
  EXPECT_EQ(rig.port.Sent().back().bytes, (Bytes{0x06, 0x52, 0x00, 0x00, 0x10}));
  // The watchdog: 1000 ms after the request was handed to the port.
  EXPECT_EQ(rig.clock.Now(), rig.port.Sent().back().time + Ms(1000));
  EXPECT_TRUE(TheImage() == before);

  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.radio.WakeUps(), 2);
  EXPECT_EQ(rig.Frames()[3], kWakeUpFrame);
  EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
  EXPECT_TRUE(rig.messages.empty());
}

TEST_F(LinkTest, AReadThatStopsHalfwayStartsOverFromBlockZero) {
  ReadRig rig;
  FillPattern(rig.radio.memory(), 8);
  rig.radio.faults.stopAfterBlock = 30;
  rig.radio.faults.faultySessions = 1;
  const RadioImage before = TheImage();
  StartRead(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.radio.WakeUps(), 2);
  EXPECT_EQ(rig.radio.BlocksRead(), 31 + 64);
  const auto frames = rig.Frames();
  // Attempt one: 3 set-up frames, blocks 0..30 answered and acknowledged, block 31
  // requested. Attempt two starts again with the wake-up and block 0.
  const std::size_t second = 3 + 31 * 2;
  ASSERT_GT(frames.size(), second + 2);
  EXPECT_EQ(frames[second - 1], ReadRequest(31));
  EXPECT_EQ(frames[second], kWakeUpFrame);
  EXPECT_EQ(frames[second + 2], (Bytes{0x06, 0x52, 0x00, 0x00, 0x10}));
  EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
}

TEST_F(LinkTest, AFailedReadLeavesTheImageUntouched) {
  ReadRig rig;
  FillPattern(rig.radio.memory(), 9);
  rig.radio.faults.stopAfterBlock = 40;
  const RadioImage before = TheImage();
  StartRead(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return !rig.messages.empty(); }));
  rig.clock.RunFor(Ms(30'000));
  EXPECT_EQ(rig.radio.WakeUps(), 4);
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(rig.Status(), "Communication fault.");
  EXPECT_EQ(rig.progress, 0);
  EXPECT_TRUE(TheImage() == before);
  EXPECT_FALSE(rig.link.State().Done);
  EXPECT_FALSE(rig.unloaded);
}

TEST_F(LinkTest, BlockRepliesArrivingWhole) {
  ReadRig rig;
  FillPattern(rig.radio.memory(), 4);
  rig.port.notifyEachByte = false;
  const RadioImage before = TheImage();
  StartRead(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done; }));
  EXPECT_EQ(rig.radio.WakeUps(), 1);
  EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
}

// A verified read asks for every block twice in one session and a block whose copies
// differ up to three times more; a radio whose block 5 never reads the same fails it.
TEST_F(LinkTest, AVerifiedReadTakesOnlyBlocksOfWhichTwoCopiesAgree) {
  for (bool changing : {false, true}) {
    SCOPED_TRACE(changing ? "block 5 differs at every read" : "a steady radio");
    ResetTestImage();
    ReadRig rig;
    rig.chinese = changing;
    FillPattern(rig.radio.memory(), 6);
    int block5Reads = 0;
    rig.radio.onLog = [&](const RadioModel::LogEntry& e) {
      if (e.what.rfind("read block 5 ", 0) != 0) return;
      ++block5Reads;
      if (changing) ++rig.radio.memory()[5 * 16 + 2];
    };
    const RadioImage before = TheImage();
    rig.link.VerifyAfterReading(true);
    StartRead(rig);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().Done || !rig.messages.empty(); }));
    EXPECT_EQ(rig.radio.WakeUps(), 1);
    if (!changing) {
      EXPECT_TRUE(rig.messages.empty());
      EXPECT_EQ(rig.radio.BlocksRead(), 128);
      const auto frames = rig.Frames();
      // After block 63 of the first copy: its acknowledge, then block 0 again.
      EXPECT_EQ(frames[3 + 2 * 63], Bytes{0x06});
      EXPECT_EQ(frames[3 + 2 * 63 + 1], ReadRequest(0));
      EXPECT_TRUE(TheImage() == ImageAfterRead(before, rig.radio.memory()));
      continue;
    }
    EXPECT_EQ(block5Reads, 2 + ReadLink::kVerifyTries);
    ASSERT_EQ(rig.messages.size(), 1u);
    EXPECT_EQ(rig.messages[0].text, "数据校验失败：第 5 块");
    EXPECT_EQ(rig.Status(), "数据校验失败：第 5 块");
    EXPECT_FALSE(rig.link.Busy());
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_TRUE(TheImage() == before);
    EXPECT_EQ(rig.imageReads, 0);
  }
}

}  // namespace
