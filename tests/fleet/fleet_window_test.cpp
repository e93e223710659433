// Verify Radio and Clone to Radios against rt410-radio-sim through real ports.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "features/option_codec.h"
#include "files/channel_file.h"
#include "fleet/forms/form_clone.h"
#include "fleet/radio_check.h"
#include "link/forms/form_comm_verify.h"
#include "link/io/port_scan.h"
#include "support/gui_test.h"
#include "support/radio_simulator.h"

namespace {

// The ports are the devices of a directory of the test's own.
class FleetWindowTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    QDir(dir.path()).mkdir("dev");
    SetPortDeviceDirectory(dir.filePath("dev").toStdString());
    Settings().LangChinese = false;
  }
  void TearDown() override {
    SetPortDeviceDirectory({});
    GuiTest::TearDown();
  }
  // name (ttyUSB0, ...) in the device directory stands for device.
  void Plug(const QString& device, const QString& name) {
    ASSERT_TRUE(QFile::link(device, QDir(dir.filePath("dev")).filePath(name)));
  }
  QString SaveImage(const QString& name, const RadioImage& image) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(ChannelFileText(image)));
    return file.fileName();
  }
  RadioImage LoadImage(const QString& path) {
    QFile file(path);
    RadioImage image;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(LoadChannelFileText(file.readAll().toStdString(), image).Loaded());
    return image;
  }
  QTemporaryDir dir;
};

#ifdef RT410_RADIO_SIM
TEST_F(FleetWindowTest, VerifyComparesTheRadioWithTheImageAndChangesNothing) {
  // The radio holds what a write of the image sends, row 61's stamp included.
  Image(2, 0) = 0x50;
  Image(2, 1) = 0x12;
  Image(2, 2) = 0x35;
  Image(2, 3) = 0x43;
  RadioSimulator sim(
      {"--image", SaveImage("radio.chann", AsWritten(Doc().Image(), Doc().ModelCode()))});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device(), "ttyUSB0");

  auto* verify = Open<Form_Comm_Verify>("Form_Comm_Verify");
  EXPECT_EQ(verify->windowTitle(), "Verify Radio");
  EXPECT_EQ(verify->Command_Verify->text(), "Verify");
  const struct {
    void (*edit)();
    const char* status;
    const char* line;  // the list: the image's value, then the radio's
  } rounds[] = {
      {[] {}, "The radio holds the current data", nullptr},
      {[] { Image(2, 0) = 0x60; }, "The radio differs from the current data: 1",
       "channel 2 receive: 433.51260 → 433.51250"},
  };
  for (const auto& round : rounds) {
    round.edit();
    const RadioImage before = TheImage();
    QTest::mouseClick(verify->Command_Verify, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!verify->Link().Busy(), 30'000);
    EXPECT_EQ(verify->Label_tr_count->text(), round.status);
    EXPECT_EQ(verify->List_Diff->count(), round.line ? 1 : 0);
    if (round.line) {
      EXPECT_EQ(verify->List_Diff->item(0)->text(), QString::fromUtf8(round.line));
    }
    EXPECT_TRUE(TheImage() == before);
    ProcessEvents();
    EXPECT_EQ(main->FindChildForm("Form_Comm_Verify"), verify) << "the result stays on screen";
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(FleetWindowTest, CloneWritesEveryCheckedPortAtOnceAndAsksBeforeStopping) {
  const QString saved = dir.filePath("radio1.chann");
  RadioSimulator sim({"--save", saved});
  ASSERT_FALSE(sim.Device().isEmpty());
  Plug(sim.Device(), "ttyUSB0");
  // COM2: a file, no serial port; it cannot be opened as one.
  QFile notAPort(dir.filePath("not-a-port"));
  ASSERT_TRUE(notAPort.open(QIODevice::WriteOnly));
  notAPort.close();
  Plug(notAPort.fileName(), "ttyUSB1");
  const QString log = dir.filePath("clone.csv");
  SetFileDialogHook([&](const FileRequest&) { return log; });

  auto* clone = Open<Form_Clone>("Form_Clone");
  ASSERT_GE(clone->rows.size(), 8u);
  EXPECT_EQ(clone->windowTitle(), "Clone to Radios");
  EXPECT_FALSE(clone->rows[2].Check_Port->isEnabled()) << "COM3 has no device";
  ClickCheck(clone->rows[1].Check_Port);
  clone->Check_Verify->setChecked(true);
  clone->Text_FirstAni->setText("00FE");
  QTest::mouseClick(clone->Command_Log, Qt::LeftButton);
  QTest::mouseClick(clone->Command_Start, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!clone->Running(), 60'000);
  SetFileDialogHook(nullptr);

  EXPECT_EQ(clone->rows[0].Label_Result->text(), "verified");
  EXPECT_EQ(clone->rows[0].Label_ANI->text(), "00FE");
  EXPECT_EQ(clone->rows[0].ProgressBar_Port->value(), 100);
  EXPECT_TRUE(clone->rows[1].Label_Result->text().startsWith(
      "failed: Communication port is error, please setting right communication port . ！ "
      "Device: COM2"))
      << clone->rows[1].Label_Result->text().toStdString();
  EXPECT_EQ(clone->rows[1].Label_ANI->text(), "");
  EXPECT_EQ(clone->Label_Done->text(), "Done: 1");
  EXPECT_EQ(clone->Label_Failed->text(), "Failed: 1");
  EXPECT_EQ(clone->Text_FirstAni->text(), "00FF");
  EXPECT_EQ(AniText(LoadImage(saved)), "00FE");
  EXPECT_TRUE(messages.empty());

  // A second round on COM1 only, closed while it runs: asked first, then stopped.
  ClickCheck(clone->rows[1].Check_Port);
  std::vector<QString> asked;
  SetAnswerHook([&](const QString& text, const QStringList&) {
    asked.push_back(text);
    return asked.size() == 1 ? 1 : 0;
  });
  QTest::mouseClick(clone->Command_Start, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(clone->rows[0].ProgressBar_Port->value() >= 10, 30'000);
  QTest::mouseClick(clone->Command_Close, Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(main->FindChildForm("Form_Clone"), clone) << "Go on keeps the window";
  EXPECT_TRUE(clone->Running());
  QTest::mouseClick(clone->Command_Close, Qt::LeftButton);
  ProcessEvents();
  SetAnswerHook(nullptr);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(main->FindChildForm("Form_Clone"), nullptr);

  QFile csv(log);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].endsWith("time,port,device,file,ANI,result,differing blocks"));
  EXPECT_TRUE(lines[1].contains(",COM1,") && lines[1].endsWith(",00FE,verified,"))
      << lines[1].toStdString();
  EXPECT_TRUE(lines[3].endsWith(",,failed: stopped,")) << lines[3].toStdString();
}

// The Clone window after a round on COM1 and a COM2 that is no serial port.
TEST_F(FleetWindowTest, Screenshots) {
  const QString out = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  RadioSimulator sim({});
  Plug(sim.Device(), "ttyUSB0");
  QFile notAPort(dir.filePath("not-a-port"));
  ASSERT_TRUE(notAPort.open(QIODevice::WriteOnly));
  notAPort.close();
  Plug(notAPort.fileName(), "ttyUSB1");
  main->show();
  for (const bool chinese : {true, false}) {
    Settings().LangChinese = chinese;
    auto* clone = Open<Form_Clone>("Form_Clone");
    ClickCheck(clone->rows[1].Check_Port);
    clone->Check_Verify->setChecked(true);
    clone->Text_FirstAni->setText("0099");
    QTest::mouseClick(clone->Command_Start, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!clone->Running(), 60'000);
    ProcessEvents();
    clone->SubWindow()->grab().save(
        QDir(out).filePath(QStringLiteral("Form_Clone-%1.png").arg(chinese ? "zh" : "en")));
    clone->Unload();
    ProcessEvents();
  }
}
// rt410-cps --port: the run's device has a row of its own, and it is the row checked.
TEST_F(FleetWindowTest, ThePortOfTheRunIsTheRowChecked) {
  QFile cable(dir.filePath("cable"));
  ASSERT_TRUE(cable.open(QIODevice::WriteOnly));
  cable.close();
  Plug(cable.fileName(), "ttyUSB0");
  for (const bool given : {false, true}) {
    Settings().PortGiven = given ? dir.filePath("sim").toStdString() : std::string();
    auto* clone = Open<Form_Clone>("Form_Clone");
    ASSERT_EQ(clone->rows.size(), given ? 9u : 8u);
    EXPECT_EQ(clone->rows[0].Check_Port->isChecked(), !given);
    if (given) {
      EXPECT_TRUE(clone->rows[8].Check_Port->isChecked());
      EXPECT_EQ(clone->rows[8].Check_Port->text(), dir.filePath("sim"));
    }
    clone->Unload();
  }
}

#endif  // RT410_RADIO_SIM

}  // namespace
