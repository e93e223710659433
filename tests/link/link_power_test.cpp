// Transmit power adjustment under virtual time against the simulated radio.
#include "link_rig.h"

namespace {

using PowerRig = LinkRig<PowerAdjustLink>;

Bytes PowerFrame() {
  return Concat({0x06, 0x67, 0x03, 0xF0, 0x10}, Row(63));
}

// The window's load, in its order.
void OpenPowerWindow(PowerRig& rig) {
  rig.link.StartAdjust();
  rig.link.ShowLevels();
  rig.link.StartCloseTimer();
}

void RadioLevels(PowerRig& rig, std::uint8_t low, std::uint8_t high) {
  rig.radio.memory()[0x3D5] = 0x00;
  rig.radio.memory()[0x3F0] = low;
  rig.radio.memory()[0x3F1] = high;
}

TEST_F(LinkTest, PowerLevelsComeFromTheIdentificationAndGoBackAsBlock63) {
  PowerRig rig;
  RadioLevels(rig, 0x50, 0xC8);
  for (int c = 3; c < 16; ++c) Image(63, c) = static_cast<std::uint8_t>(c * 3);
  OpenPowerWindow(rig);
  // ShowLevels at load shows the image's own levels (erased: 255).
  EXPECT_EQ(rig.levelLabel[0], "255");
  EXPECT_EQ(rig.levelLabel[1], "255");

  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
  EXPECT_EQ(Image(63, 0), 80);
  EXPECT_EQ(Image(63, 1), 200);
  EXPECT_EQ(rig.levelLabel[0], "80");
  EXPECT_EQ(rig.levelLabel[1], "200");
  ASSERT_EQ(rig.Frames().size(), 2u);
  EXPECT_EQ(rig.Frames()[0], kWakeUpFrame);
  Bytes first = {0x06, 0x67, 0x03, 0xF0, 0x10, 80, 200, Image(63, 2)};
  for (int c = 3; c < 16; ++c) first.push_back(static_cast<std::uint8_t>(c * 3));
  EXPECT_EQ(rig.Frames()[1], first);

  rig.MoveScroll(PowerLevel::High, 201);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.radio.PowerBlocks() == 2; }));
  EXPECT_EQ(rig.Frames().back()[5 + 1], 201);
  EXPECT_EQ(rig.Frames().back()[5 + 2], 1);
  EXPECT_EQ(rig.Frames().back(), PowerFrame());
  EXPECT_EQ(rig.levelLabel[1], "201");

  rig.MoveScroll(PowerLevel::Low, 79);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.radio.PowerBlocks() == 3; }));
  EXPECT_EQ(rig.Frames().back()[5 + 0], 79);
  EXPECT_EQ(rig.Frames().back()[5 + 2], 0);
  rig.clock.RunFor(Ms(3000));
  EXPECT_TRUE(rig.port.IsOpen()) << "acknowledged: the adjustment goes on";
  EXPECT_FALSE(rig.unloaded);

  rig.link.Command_Close_Click();
  EXPECT_EQ(rig.Frames().back(), (Bytes{0x62}));
  EXPECT_TRUE(rig.port.LostOnClose().empty()) << "the end byte must leave before the port closes";
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_TRUE(rig.unloaded);
  rig.clock.RunFor(Ms(100));
  EXPECT_EQ(rig.radio.EndBytes('b'), 1);
  for (int c = 0; c < 16; ++c)
    EXPECT_EQ(rig.radio.memory()[static_cast<std::size_t>(0x3F0 + c)], Image(63, c));
  EXPECT_EQ(Image(63, 0), 79);
  EXPECT_EQ(Image(63, 1), 201);
  EXPECT_TRUE(rig.messages.empty());
}

TEST_F(LinkTest, TheLevelUnderAdjustmentIsTheLastScrollBarTheRadioMoved) {
  struct Case {
    int imageLow, imageHigh, radioLow, radioHigh, adjusted;
  };
  // The window opens on the image's levels; the radio's levels then move the bars.
  const Case cases[] = {
      {255, 255, 80, 200, 1}, {80, 255, 80, 200, 1}, {255, 200, 80, 200, 0}, {80, 200, 80, 200, 7}};
  for (const Case& c : cases) {
    PowerRig rig;
    RadioLevels(rig, static_cast<std::uint8_t>(c.radioLow), static_cast<std::uint8_t>(c.radioHigh));
    Image(63, 0) = static_cast<std::uint8_t>(c.imageLow);
    Image(63, 1) = static_cast<std::uint8_t>(c.imageHigh);
    Image(63, 2) = 7;
    OpenPowerWindow(rig);
    EXPECT_EQ(Image(63, 2), 7) << "showing the levels is no movement";
    ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
    EXPECT_EQ(rig.Frames().back()[5 + 2], c.adjusted) << c.imageLow << "/" << c.imageHigh;
  }
}

TEST_F(LinkTest, ANewLevelBeforeTheLastWasAcknowledgedStartsTheSenderOver) {
  PowerRig rig;
  RadioLevels(rig, 10, 20);
  OpenPowerWindow(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
  rig.MoveScroll(PowerLevel::Low, 11);
  rig.clock.RunFor(Ms(5));
  rig.MoveScroll(PowerLevel::Low, 12);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.radio.PowerBlocks() == 2; }));
  rig.clock.RunFor(Ms(100));
  EXPECT_EQ(rig.radio.PowerBlocks(), 2) << "only the newest level goes out";
  EXPECT_EQ(rig.radio.memory()[0x3F0], 12);
}

TEST_F(LinkTest, PowerWindowClosesItselfWhenTheLinkIsMissingOrLost) {
  struct Case {
    const char* name;
    std::function<void(PowerRig&)> arrange;
    // After the first power block has been acknowledged, if at all.
    std::function<void(PowerRig&)> whileAdjusting;
    Nanos closesBy;
    std::vector<Bytes> frames;  // checked when nothing happens while adjusting
    std::size_t messages;
    int wakeUps;
    int highAfter;  // image cell (63, 1) afterwards
  };
  const Case cases[] = {
      {"radio silent",
       [](PowerRig& rig) { rig.radio.faults.silent = true; },
       nullptr,
       Ms(500),
       {kWakeUpFrame, {0x62}},
       0,
       1,
       255},
      {"port cannot be opened",
       [](PowerRig& rig) {
         rig.port.openFailure = {PortFault::NotFound, {}};
       },
       nullptr,
       Ms(500),
       {},
       1,
       0,
       255},
      {"acknowledge missing",
       [](PowerRig& rig) { rig.radio.faults.stopAfterBlock = 63; },
       [](PowerRig& rig) { rig.MoveScroll(PowerLevel::High, 77); },
       Ms(1000 + 15 + 500),
       {},
       0,
       1,
       77},
      {"cable pulled", nullptr, [](PowerRig& rig) { rig.port.Unplug(); }, Ms(500), {}, 0, 1, 40},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    ResetTestImage();
    PowerRig rig;
    RadioLevels(rig, 30, 40);
    if (tc.arrange) tc.arrange(rig);
    OpenPowerWindow(rig);
    Nanos from = 0;
    if (tc.whileAdjusting) {
      ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
      tc.whileAdjusting(rig);
      from = rig.clock.Now();
    }
    const std::size_t framesBefore = rig.Frames().size();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.unloaded; }, Ms(10'000)));
    EXPECT_LE(rig.unloadedAt - from, tc.closesBy);
    EXPECT_FALSE(rig.port.IsOpen());
    EXPECT_EQ(rig.messages.size(), tc.messages);
    if (tc.whileAdjusting) {
      // Nothing more than the frame of the move, and no end byte to a lost radio.
      for (std::size_t i = framesBefore; i < rig.Frames().size(); ++i)
        EXPECT_NE(rig.Frames()[i], (Bytes{0x62}));
    } else {
      EXPECT_EQ(rig.Frames(), tc.frames);
    }
    rig.clock.RunFor(Ms(20'000));
    EXPECT_EQ(rig.radio.WakeUps(), tc.wakeUps) << "the window is gone before any restart";
    EXPECT_EQ(Image(63, 1), tc.highAfter);
  }
}

TEST_F(LinkTest, PowerWindowCannotOpenThePortMessage) {
  PowerRig rig;
  rig.port.openFailure = {PortFault::NotFound, {}};
  OpenPowerWindow(rig);
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].text,
            "Communication port is error, please setting right communication port . ！");
  EXPECT_TRUE(rig.portError);
  EXPECT_TRUE(rig.port.Sent().empty());
}

}  // namespace

namespace {

TEST_F(LinkTest, ThePowerWindowGoingAnyOtherWayAlsoEndsTheAdjustment) {
  // The title bar's close, a language switch or opening the window again.
  PowerRig rig;
  RadioLevels(rig, 10, 20);
  OpenPowerWindow(rig);
  ASSERT_TRUE(rig.RunUntil([&] { return rig.link.State().DataPhase && !rig.link.Busy(); }));
  rig.UnloadForm();
  EXPECT_EQ(rig.Frames().back(), (Bytes{0x62}));
  EXPECT_TRUE(rig.port.LostOnClose().empty());
  EXPECT_FALSE(rig.port.IsOpen());
  rig.clock.RunFor(Ms(10));
  EXPECT_EQ(rig.radio.EndBytes('b'), 1);
  EXPECT_FALSE(rig.radio.Linked());
}

}  // namespace
