// The three link windows as the user meets them, and a read, a write and a power
// adjustment through a real QSerialPort against rt410-radio-sim on a pseudo-terminal.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "features/option_codec.h"
#include "files/channel_file.h"
#include "files/io/read_backup.h"
#include "link/forms/form_adjust_txp.h"
#include "link/forms/form_comm_read.h"
#include "link/forms/form_comm_write.h"
#include "link/io/port_scan.h"
#include "shell/forms/form_setup.h"
#include "shell/forms/program_start.h"
#include "shell/io/settings_file.h"
#include "support/gui_test.h"
#include "support/radio_simulator.h"

namespace {

// What a read of radio leaves in the document: its 64 blocks, zeros up to row 253, and
// the values the editors show stored as they show them.
RadioImage AsEntered(const RadioImage& radio) {
  RadioImage image;
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) image.at(r, c) = radio.at(r, c);
  }
  NormaliseErasedChannels(image);
  NormaliseFeatureCells(image);
  return image;
}

QString U(const char* s) {
  return QString::fromUtf8(s);
}

const QString kPortMessage = U("通讯端口打开错误，请正确设置通讯端口 ！");

// The ports are the devices of a directory of the test's own, empty to begin with.
class LinkWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    QDir(dir.path()).mkdir("dev");
    SetPortDeviceDirectory(DevDir().toStdString());
  }
  void TearDown() override {
    SetPortDeviceDirectory({});
    GuiTest::TearDown();
  }
  QString DevDir() const { return dir.filePath("dev"); }
  // Plugs a cable in: name (ttyUSB0, ...) in the device directory stands for device.
  void Plug(const QString& device, const QString& name = "ttyUSB0") {
    ASSERT_TRUE(QFile::link(device, QDir(DevDir()).filePath(name)));
  }
  QTemporaryDir dir;
};

void WriteChannFile(const QString& path, const RadioImage& image) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(ChannelFileText(image)));
}

RadioImage ReadChannFile(const QString& path) {
  QFile file(path);
  RadioImage image;
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  EXPECT_TRUE(LoadChannelFileText(file.readAll().toStdString(), image).Loaded());
  return image;
}

TEST_F(LinkWindowTest, ShortcutsOpenTheWindowsWithTheStartButtonReady) {
  main->show();
  QTest::keyClick(main.get(), Qt::Key_R, Qt::ControlModifier);
  ProcessEvents();
  auto* read = qobject_cast<Form_Comm_Read*>(main->FindChildForm("Form_Comm_Read"));
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(main->FormOpenFlag("Form_Comm_Read"));
  EXPECT_TRUE(read->Command_read->isDefault());
  EXPECT_EQ(QApplication::focusWidget(), read->Command_read);

  QTest::keyClick(main.get(), Qt::Key_W, Qt::ControlModifier);
  ProcessEvents();
  auto* write = qobject_cast<Form_Comm_Write*>(main->FindChildForm("Form_Comm_Write"));
  ASSERT_NE(write, nullptr);
  EXPECT_TRUE(write->Command_Write->isDefault());
  EXPECT_EQ(QApplication::focusWidget(), write->Command_Write);

  QTest::keyClick(main.get(), Qt::Key_T, Qt::ControlModifier);
  ProcessEvents();
  EXPECT_NE(main->FindChildForm("Form_Adjust_Txp"), nullptr);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kPortMessage});
}

struct CaptionCase {
  bool chinese;
  const char* readTitle;
  const char* read;
  const char* writeTitle;
  const char* write;
  const char* cancel;
  const char* help;
};

TEST_F(LinkWindowTest, CaptionsInBothLanguages) {
  const CaptionCase cases[] = {
      {true, "从对讲机读取数据", "读取", "写数据到对讲机", "写入", "取消", "帮助"},
      {false, "Read Data From Radio", "Read", "Write Data to Radio", "Write", "Cancel", "Help"},
  };
  for (const CaptionCase& cc : cases) {
    Settings().LangChinese = cc.chinese;
    auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
    EXPECT_EQ(read->windowTitle(), U(cc.readTitle));
    EXPECT_EQ(read->Command_read->text(), U(cc.read));
    EXPECT_EQ(read->Check_Verify->text(), U(cc.chinese ? "读取后校验" : "Verify after reading"));
    EXPECT_EQ(read->Command_Cancel->text(), U(cc.cancel));
    EXPECT_EQ(read->Command_Help->text(), U(cc.help));
    auto* write = Open<Form_Comm_Write>("Form_Comm_Write");
    EXPECT_EQ(write->windowTitle(), U(cc.writeTitle));
    EXPECT_EQ(write->Command_Write->text(), U(cc.write));
    EXPECT_EQ(write->Command_Cancel->text(), U(cc.cancel));
  }
  Settings().LangChinese = true;
  auto* power = Open<Form_Adjust_Txp>("Form_Adjust_Txp");
  EXPECT_EQ(power->windowTitle(), U("发射功率调整"));
  EXPECT_EQ(power->Label_Low->text(), U("低功率"));
  EXPECT_EQ(power->Label_High->text(), U("高功率"));
  EXPECT_EQ(power->Command_Close->text(), U("关闭"));
  Settings().LangChinese = false;
  power = Open<Form_Adjust_Txp>("Form_Adjust_Txp");
  EXPECT_EQ(power->windowTitle(), "Power Adjust");
  EXPECT_EQ(power->Label_Low->text(), "Low Power");
  EXPECT_EQ(power->Label_High->text(), "High Power");
  EXPECT_EQ(power->Command_Close->text(), "Close");
  EXPECT_EQ(power->Command_Help->text(), "Help");
}

TEST_F(LinkWindowTest, WindowsArePlacedFromTheMainWindowSize) {
  const QSize frame = main->frameGeometry().size();
  auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
  EXPECT_EQ(read->SubWindow()->width(), static_cast<int>(frame.width() / 1.6));
  EXPECT_EQ(read->SubWindow()->height(), frame.height() / 3);
  EXPECT_EQ(read->SubWindow()->x(), (frame.width() - read->SubWindow()->width()) / 2);
  auto* power = Open<Form_Adjust_Txp>("Form_Adjust_Txp");
  EXPECT_EQ(power->SubWindow()->width(), static_cast<int>(frame.width() / 1.8));
  EXPECT_EQ(power->SubWindow()->height(), frame.height() / 2);
  EXPECT_EQ(power->SubWindow()->y(), (frame.height() - frame.height() / 2) / 3);
}

TEST_F(LinkWindowTest, EnterStartsAndAMissingPortIsReported) {
  main->show();
  auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
  QTest::keyClick(read->Command_read, Qt::Key_Return);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kPortMessage});
  EXPECT_EQ(messages[0].title, U("操作提示"));
  EXPECT_EQ(messages[0].informative, U("设备：COM1\n没有与之对应的设备。"));
  EXPECT_TRUE(Settings().PortError);
  EXPECT_FALSE(read->Link().Busy());
  EXPECT_TRUE(read->Label_tr_count->text().isEmpty());
  QTest::mouseClick(read->Command_Cancel, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_Comm_Read"), nullptr);
  EXPECT_FALSE(main->FormOpenFlag("Form_Comm_Read"));
}

#ifdef RT410_RADIO_SIM
RadioImage PatternRows(int seed) {
  RadioImage rows;
  for (int r = 0; r < 256; ++r) {
    for (int c = 0; c < 16; ++c)
      rows.at(r, c) = static_cast<std::uint8_t>((r * 16 + c) * 13 + seed);
  }
  // No password in the radio.
  for (int c = 6; c < 12; ++c) rows.at(61, c) = 0xFF;
  return rows;
}

TEST_F(LinkWindowTest, ReadFromTheSimulatorThroughARealPort) {
  const RadioImage radio = PatternRows(5);
  const QString image = dir.filePath("radio.chann");
  WriteChannFile(image, radio);
  RadioSimulator sim({"--image", image});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device());

  main->show();
  QTest::keyClick(main.get(), Qt::Key_R, Qt::ControlModifier);
  auto* read = qobject_cast<Form_Comm_Read*>(main->FindChildForm("Form_Comm_Read"));
  ASSERT_NE(read, nullptr);
  QTest::mouseClick(read->Command_read, Qt::LeftButton);
  EXPECT_EQ(read->Label_tr_count->text(), "正在与对讲机联络 ！");
  QPointer<Form_Comm_Read> window(read);
  // A poll may miss any one block's text, so wait for the tenth block or later.
  QTRY_VERIFY_WITH_TIMEOUT(!window || window->Link().State().BlockNo >= 10, 30'000);
  ASSERT_TRUE(window && window->Link().Busy());
  EXPECT_TRUE(window->Label_tr_count->text().startsWith(U("正在读取 ")));

  // Read again: the busy message stays up while the read completes and the close
  // timer ticks; the window waits for the box before it goes.
  QSignalSpy closeTicks(read->Timer4, &QTimer::timeout);
  bool stayedWhileShown = false;
  onMessage = [&](const RecordedMessage&) {
    if (!QTest::qWaitFor([&] { return window && window->Link().State().Done; }, 30'000)) return;
    EXPECT_EQ(window->Label_tr_count->text(), "数据读出正常 ！");
    EXPECT_EQ(window->ProgressBar1->value(), 100);
    EXPECT_FALSE(window->MSC->isOpen());
    const qsizetype ticks = closeTicks.count();
    EXPECT_TRUE(QTest::qWaitFor([&] { return closeTicks.count() >= ticks + 2; }, 5000));
    stayedWhileShown = window && !window->Unloaded();
  };
  const QStringList backupsBefore = QDir(BackupFolder()).entryList(QDir::Files);
  QTest::mouseClick(read->Command_read, Qt::LeftButton);
  EXPECT_TRUE(stayedWhileShown);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{U("正在与对讲机进行读写操作 ！")});
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_Comm_Read"), nullptr);
  EXPECT_TRUE(window.isNull());
  const RadioImage expected = AsEntered(radio);
  for (int r = 0; r <= 253; ++r) {
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Image(r, c), expected.at(r, c)) << r << "," << c;
  }
  // Exactly one backup, holding what was read before it entered the document.
  RadioImage raw = TheImage();
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) raw.at(r, c) = radio.at(r, c);
  }
  QStringList added = QDir(BackupFolder()).entryList(QDir::Files);
  for (const QString& old : backupsBefore) added.removeAll(old);
  ASSERT_EQ(added.size(), 1);
  QFile backup(QDir(BackupFolder()).filePath(added.front()));
  ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
  EXPECT_EQ(backup.readAll().toStdString(), ChannelFileText(raw));
}

TEST_F(LinkWindowTest, ARadioThatGoesAwayMidReadEndsInAMessage) {
  RadioSimulator sim({});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device());
  Settings().LangChinese = false;
  const RadioImage before = TheImage();
  auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
  QSignalSpy lost(read->MSC, &LinkPort::PortLost);
  QTest::mouseClick(read->Command_read, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(read->Label_tr_count->text() == "Reading 10 Data Block", 30'000);
  sim.Kill();
  QTRY_VERIFY_WITH_TIMEOUT(!read->MSC->isOpen(), 10'000);
  EXPECT_GE(lost.count(), 1) << "the port reports the loss; the watchdog did not have to";
  EXPECT_FALSE(read->Link().Busy());
  QTRY_VERIFY_WITH_TIMEOUT(!messages.empty(), 15'000);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{U("Communication port is error, please setting "
                                                   "right communication port . ！")});
  EXPECT_EQ(read->Label_tr_count->text(), "Communication fault.");
  EXPECT_TRUE(TheImage() == before);
  EXPECT_NE(main->FindChildForm("Form_Comm_Read"), nullptr);
}

TEST_F(LinkWindowTest, WriteToTheSimulatorThroughARealPort) {
  const QString saved = dir.filePath("written.chann");
  RadioSimulator sim({"--save", saved});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device());
  const RadioImage rows = PatternRows(9);
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) Image(r, c) = rows.at(r, c);
  }
  Settings().LangChinese = false;

  main->show();
  QTest::keyClick(main.get(), Qt::Key_W, Qt::ControlModifier);
  auto* write = qobject_cast<Form_Comm_Write*>(main->FindChildForm("Form_Comm_Write"));
  ASSERT_NE(write, nullptr);
  QTest::keyClick(write->Command_Write, Qt::Key_Return);
  QPointer<Form_Comm_Write> window(write);
  QTRY_VERIFY_WITH_TIMEOUT(window && window->Link().State().Done, 60'000);
  EXPECT_EQ(window->Label_tr_count->text(), "Complete writing Data ");
  EXPECT_EQ(window->ProgressBar1->value(), 98);
  QTRY_VERIFY_WITH_TIMEOUT(main->FindChildForm("Form_Comm_Write") == nullptr, 5000);
  EXPECT_TRUE(messages.empty());

  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), 10'000);
  const RadioImage radio = ReadChannFile(saved);
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) {
      const std::uint8_t expected = r < 63 ? Image(r, c) : 0xFF;
      ASSERT_EQ(radio.at(r, c), expected) << r << "," << c;
    }
  }
  EXPECT_EQ(radio.at(61, 0), 'R');
  EXPECT_EQ(radio.at(61, 5), Doc().BandIndex());
}

TEST_F(LinkWindowTest, AdjustPowerOnTheSimulatorThroughARealPort) {
  RadioImage rows;
  rows.Fill(0xFF);
  rows.at(63, 0) = 80;
  rows.at(63, 1) = 200;
  const QString image = dir.filePath("radio.chann");
  const QString saved = dir.filePath("adjusted.chann");
  WriteChannFile(image, rows);
  RadioSimulator sim({"--image", image, "--save", saved});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device());

  main->show();
  QTest::keyClick(main.get(), Qt::Key_T, Qt::ControlModifier);
  QPointer<Form_Adjust_Txp> power(
      qobject_cast<Form_Adjust_Txp*>(main->FindChildForm("Form_Adjust_Txp")));
  ASSERT_TRUE(power);
  QTRY_VERIFY_WITH_TIMEOUT(power && power->Link().State().DataPhase && !power->Link().Busy(),
                           10'000);
  EXPECT_EQ(power->Label_L->text(), "80");
  EXPECT_EQ(power->Label_H->text(), "200");
  EXPECT_EQ(power->HScroll_H->value(), 200);

  power->HScroll_H->setFocus();
  QTest::keyClick(power->HScroll_H, Qt::Key_Right);
  EXPECT_EQ(power->Label_H->text(), "201");
  EXPECT_EQ(Image(63, 1), 201);
  EXPECT_EQ(Image(63, 2), 1);
  QTRY_VERIFY_WITH_TIMEOUT(power && power->Link().State().FrameSent && !power->Link().Busy(),
                           10'000);
  QTest::mouseClick(power->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(main->FindChildForm("Form_Adjust_Txp"), nullptr);

  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), 10'000);
  const RadioImage radio = ReadChannFile(saved);
  EXPECT_EQ(radio.at(63, 0), 80);
  EXPECT_EQ(radio.at(63, 1), 201);
  EXPECT_EQ(radio.at(63, 2), 1);
  EXPECT_TRUE(messages.empty());
}

// --port: no COM number has a device, yet every transfer goes to the one given.
TEST_F(LinkWindowTest, PortGivenAtStartServesEveryTransfer) {
  const QString image = dir.filePath("radio.chann");
  WriteChannFile(image, PatternRows(4));
  RadioSimulator sim({"--image", image});
  ASSERT_FALSE(sim.Device().isEmpty());
  StartOptions options;
  options.chinese = false;
  options.port = sim.Device().toStdString();
  ApplyStartOptions(*main, options);
  EXPECT_EQ(main->PanelText(3), sim.Device());

  auto* setup = Open<Form_setup>("Form_setup");
  for (QRadioButton* option : setup->Option) {
    EXPECT_TRUE(option->toolTip().startsWith(sim.Device()));
    EXPECT_FALSE(option->isEnabled());
  }
  QTest::mouseClick(setup->Command_ok, Qt::LeftButton);
  main->Language_chn->trigger();
  EXPECT_EQ(main->PanelText(3), sim.Device());

  QPointer<Form_Comm_Read> window(Open<Form_Comm_Read>("Form_Comm_Read"));
  QTest::mouseClick(window->Command_read, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!window || window->Link().State().Done || !messages.empty(), 30'000);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Image(10, 3), PatternRows(4).at(10, 3));
  UseQtTranslations(false);
}

// Two cables: COM1 stays on the device it was confirmed for, and when that device
// goes, the message names it and the other radio receives nothing.
TEST_F(LinkWindowTest, AComNumberStaysOnItsDevice) {
  const QString first = QDir(DevDir()).filePath("ttyUSB0");
  const QString second = QDir(DevDir()).filePath("ttyUSB1");
  const QString imageA = dir.filePath("a.chann");
  const QString imageB = dir.filePath("b.chann");
  WriteChannFile(imageA, PatternRows(1));
  WriteChannFile(imageB, PatternRows(2));
  RadioSimulator radioA({"--image", imageA, "--link", first});
  RadioSimulator radioB({"--image", imageB, "--link", second}, false);
  ASSERT_FALSE(radioA.Device().isEmpty());
  ASSERT_FALSE(radioB.Device().isEmpty());
  Settings().LangChinese = false;

  auto* setup = Open<Form_setup>("Form_setup");
  EXPECT_EQ(setup->Option[0]->toolTip(), first);
  EXPECT_EQ(setup->Option[1]->toolTip(), second);
  EXPECT_EQ(setup->Option[2]->toolTip(), "No such device");
  QTest::mouseClick(setup->Command_ok, Qt::LeftButton);
  EXPECT_EQ(Settings().ComDevice, first.toStdString());

  auto read = [&] {
    QPointer<Form_Comm_Read> window(Open<Form_Comm_Read>("Form_Comm_Read"));
    QTest::mouseClick(window->Command_read, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window || window->Link().State().Done || !messages.empty(), 30'000);
    if (window) window->Unload();
    ProcessEvents();
  };
  read();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Image(10, 3), PatternRows(1).at(10, 3));

  radioA.Stop();
  ASSERT_FALSE(QFileInfo::exists(first));
  read();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Communication port is error, please setting right communication "
            "port . ！");
  EXPECT_EQ(messages[0].informative, "Device: COM1 (" + first +
                                         ")\nNot found: not connected, or unplugged since it was "
                                         "chosen.");
  EXPECT_TRUE(Settings().PortError);
  QTest::qWait(100);
  EXPECT_FALSE(radioB.Log().contains("wake-up")) << radioB.Log().toStdString();

  // Confirmed again, COM1 is the cable that is left.
  setup = Open<Form_setup>("Form_setup");
  EXPECT_EQ(setup->Option[0]->toolTip(), second);
  QTest::mouseClick(setup->Command_ok, Qt::LeftButton);
  EXPECT_EQ(Settings().ComDevice, second.toStdString());
  setup->Unload();
  messages.clear();
  read();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Image(10, 3), PatternRows(2).at(10, 3));
  EXPECT_TRUE(radioB.Log().contains("wake-up"));
}

enum class Transfer { Read, Write, Power };

struct MisbehaviourCase {
  const char* name;
  QStringList options;
  Transfer transfer;
  const char* failure;    // nullptr: the transfer succeeds exactly
  bool verified = false;  // a read with "Verify after reading" checked
};

void PrintTo(const MisbehaviourCase& mc, std::ostream* os) {
  *os << mc.name;
}

// Every way the simulator can misbehave, end to end through the real port: the
// exact memory and no message, or the exact message and the image untouched.
class MisbehavingRadioTest : public LinkWindowTest,
                             public ::testing::WithParamInterface<MisbehaviourCase> {};

TEST_P(MisbehavingRadioTest, EndsExactlyOrWithItsMessage) {
  const MisbehaviourCase& mc = GetParam();
  RadioImage radio = PatternRows(7);
  radio.at(63, 0) = 80;
  radio.at(63, 1) = 200;
  const QString image = dir.filePath("radio.chann");
  const QString saved = dir.filePath("saved.chann");
  WriteChannFile(image, radio);
  RadioSimulator sim(QStringList{"--image", image, "--save", saved} + mc.options);
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device());
  Settings().LangChinese = false;
  const RadioImage before = TheImage();

  if (mc.transfer == Transfer::Power) {
    QPointer<Form_Adjust_Txp> power(Open<Form_Adjust_Txp>("Form_Adjust_Txp"));
    QTRY_VERIFY_WITH_TIMEOUT(power && power->Link().State().DataPhase && !power->Link().Busy(),
                             10'000);
    EXPECT_EQ(power->Label_L->text(), "80");
    EXPECT_EQ(power->Label_H->text(), "200");
    EXPECT_EQ(Image(63, 0), 80);
    EXPECT_EQ(Image(63, 1), 200);
    power->Unload();
    EXPECT_TRUE(messages.empty());
    return;
  }

  QPointer<TransferForm> window;
  if (mc.transfer == Transfer::Read) {
    auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
    window = read;
    read->Check_Verify->setChecked(mc.verified);
    QTest::mouseClick(read->Command_read, Qt::LeftButton);
  } else {
    const RadioImage rows = PatternRows(3);
    for (int r = 0; r < 64; ++r) {
      for (int c = 0; c < 16; ++c) Image(r, c) = rows.at(r, c);
    }
    auto* write = Open<Form_Comm_Write>("Form_Comm_Write");
    window = write;
    QTest::mouseClick(write->Command_Write, Qt::LeftButton);
  }
  QTRY_VERIFY_WITH_TIMEOUT(!window || !messages.empty() ||
                               (mc.transfer == Transfer::Read
                                    ? qobject_cast<Form_Comm_Read*>(window)->Link().State().Done
                                    : qobject_cast<Form_Comm_Write*>(window)->Link().State().Done),
                           60'000);
  if (mc.failure) {
    EXPECT_EQ(MessageTexts(), std::vector<QString>{QString::fromUtf8(mc.failure)});
    if (mc.transfer == Transfer::Read) {
      EXPECT_TRUE(TheImage() == before);
    }
    return;
  }
  EXPECT_TRUE(messages.empty());
  if (mc.transfer == Transfer::Read) {
    const RadioImage expected = AsEntered(radio);
    for (int r = 0; r <= 253; ++r) {
      for (int c = 0; c < 16; ++c) ASSERT_EQ(Image(r, c), expected.at(r, c)) << r << "," << c;
    }
    return;
  }
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(saved), 10'000);
  const RadioImage written = ReadChannFile(saved);
  for (int r = 0; r < 63; ++r) {
    for (int c = 0; c < 16; ++c) ASSERT_EQ(written.at(r, c), Image(r, c)) << r << "," << c;
  }
}

const char* const kPasswordError = "PassWord Error, Reading Stop";

INSTANTIATE_TEST_SUITE_P(
    EveryOption, MisbehavingRadioTest,
    ::testing::Values(
        MisbehaviourCase{"ExtraBytes1", {"--extra-bytes", "1"}, Transfer::Read, nullptr},
        MisbehaviourCase{"ExtraBytes6", {"--extra-bytes", "6"}, Transfer::Read, nullptr},
        MisbehaviourCase{"ExtraBytes10", {"--extra-bytes", "10"}, Transfer::Read, nullptr},
        MisbehaviourCase{"ExtraBytes10Write", {"--extra-bytes", "10"}, Transfer::Write, nullptr},
        // The ten handed on after the next frame would have left, were the line not heard.
        MisbehaviourCase{"ExtraBytes10LateTail",
                         {"--extra-bytes", "10", "--late-tail", "18"},
                         Transfer::Read,
                         nullptr},
        MisbehaviourCase{"ExtraBytes10Power", {"--extra-bytes", "10"}, Transfer::Power, nullptr},
        MisbehaviourCase{"StrayId3", {"--stray-id", "3"}, Transfer::Read, nullptr},
        MisbehaviourCase{"StrayId3Power", {"--stray-id", "3"}, Transfer::Power, nullptr},
        MisbehaviourCase{"GarbageWrite", {"--garbage", "2"}, Transfer::Write, nullptr},
        // Stray bytes before the password reply cannot be told from the password.
        MisbehaviourCase{"GarbageRead", {"--garbage", "2"}, Transfer::Read, kPasswordError},
        MisbehaviourCase{"Password", {"--password", "123456"}, Transfer::Read, kPasswordError},
        MisbehaviourCase{
            "WrongIdOnce", {"--wrong-id", "--faulty-sessions", "1"}, Transfer::Read, nullptr},
        MisbehaviourCase{"ShortBlockOnce",
                         {"--short-reply", "block", "--faulty-sessions", "1"},
                         Transfer::Read,
                         nullptr},
        MisbehaviourCase{"StopAfterOnce",
                         {"--stop-after", "5", "--faulty-sessions", "1"},
                         Transfer::Write,
                         nullptr},
        MisbehaviourCase{"EarlyAckOnce",
                         {"--early-ack", "5", "--faulty-sessions", "1"},
                         Transfer::Write,
                         nullptr},
        MisbehaviourCase{"Silent", {"--silent"}, Transfer::Read, "Fail connect with transceiver."},
        // Block 2's three extra bytes 40 ms late; a byte of block 6 twice; a bit of
        // block 4 flipped, which only the second copy of a verified read shows.
        MisbehaviourCase{
            "LateTailOnce", {"--extra-bytes", "3", "--late-tail", "40:5"}, Transfer::Read, nullptr},
        MisbehaviourCase{
            "DupOnce", {"--dup", "9:12", "--faulty-sessions", "1"}, Transfer::Read, nullptr},
        MisbehaviourCase{"FlipOnceVerified",
                         {"--flip", "7:9", "--faulty-sessions", "1"},
                         Transfer::Read,
                         nullptr,
                         true}),
    [](const ::testing::TestParamInfo<MisbehaviourCase>& row) { return row.param.name; });

#endif  // RT410_RADIO_SIM

TEST_F(LinkWindowTest, Screenshots) {
  const QString out = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  main->show();
  for (bool chinese : {true, false}) {
    Settings().LangChinese = chinese;
    const QString lang = chinese ? "zh" : "en";
    auto* read = Open<Form_Comm_Read>("Form_Comm_Read");
    read->SetProgress(18);
    read->SetStatus(chinese ? "正在读取 12 数据块" : "Reading 12 Data Block");
    ProcessEvents();
    read->SubWindow()->grab().save(QDir(out).filePath("Form_Comm_Read-" + lang + ".png"));
    read->Unload();

    auto* write = Open<Form_Comm_Write>("Form_Comm_Write");
    write->SetProgress(49);
    write->SetStatus(chinese ? "正在写入  30  数据块" : "Writing  30  Data Block");
    ProcessEvents();
    write->SubWindow()->grab().save(QDir(out).filePath("Form_Comm_Write-" + lang + ".png"));
    write->Unload();

    auto* power = Open<Form_Adjust_Txp>("Form_Adjust_Txp");
    power->ShowLevel(PowerLevel::Low, 80);
    power->ShowLevel(PowerLevel::High, 200);
    ProcessEvents();
    power->SubWindow()->grab().save(QDir(out).filePath("Form_Adjust_Txp-" + lang + ".png"));
    power->Unload();
    ProcessEvents();
  }
}

}  // namespace
