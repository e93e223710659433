// The commands that talk to one radio: ports, read, write, verify. They run the
// windows' link on a QSerialPort and the link's four QTimers, on the event loop.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPortInfo>
#include <cstdio>
#include <functional>

#include "cli/cli.h"
#include "features/option_codec.h"
#include "link/comm_read.h"
#include "link/comm_write.h"
#include "link/io/link_port.h"
#include "link/io/port_scan.h"
#include "shell/model_band.h"
#include "shell/radio_document.h"

namespace cli {

namespace {

constexpr int kPortNumbers = 8;

// The progress of a transfer on stderr, only when a person watches it there.
class ProgressBar {
 public:
  ProgressBar() : shown_(StderrIsTerminal()) {}
  void Set(int percent) {
    percent_ = percent;
    Draw();
  }
  void Status(const std::string& text) {
    status_ = text;
    Draw();
  }
  void Clear() {
    if (!shown_ || !drawn_) return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
  }

 private:
  void Draw() {
    if (!shown_) return;
    constexpr int kWidth = 30;
    const int filled = percent_ * kWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%  %s\x1b[K",
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), percent_,
                 status_.c_str());
    std::fflush(stderr);
    drawn_ = true;
  }
  bool shown_;
  bool drawn_ = false;
  int percent_ = 0;
  std::string status_;
};

// What the read and write windows would show, for a terminal.
class CliView : public LinkView {
 public:
  void SetProgress(int value) override { bar.Set(value); }
  void HideProgress() override { bar.Clear(); }
  void SetStatus(const std::string& text) override { bar.Status(text); }
  // Every message of a read or write ends the transfer: no port, no radio, a
  // refused password.
  void Message(const std::string& text, const std::string&) override {
    if (failure.empty()) failure = text;
    ended = true;
  }
  void PortOpenOutcome(const PortId& port, const PortOpenResult& result) override {
    if (result.Opened()) return;
    const PortMessage m = PortOpenMessage(port, result, chinese, true);
    std::string informative = m.informative;
    // A device given by its path has no COM number of its own.
    const std::string com0 = "COM0 (" + port.device + ")";
    if (const auto at = informative.find(com0); at != std::string::npos)
      informative.replace(at, com0.size(), port.device);
    if (failure.empty()) failure = m.text + "\n" + informative;
    ended = true;
  }
  void UnloadForm() override { ended = true; }

  bool chinese = false;
  ProgressBar bar;
  std::string failure;
  bool ended = false;
};

struct Outcome {
  bool ok = false;
  std::string failure;
  double seconds = 0;
};

// One transfer from the start button to its end, on the event loop.
template <class L>
Outcome RunTransfer(FixedLinkInputs& inputs, RadioImage& image,
                    const std::function<void(L&)>& start) {
  LinkPort port(nullptr);
  LinkTimer t1(nullptr), t2(nullptr), t3(nullptr), t4(nullptr);
  CliView view;
  view.chinese = inputs.chinese;
  L link(port, {t1, t2, t3, t4}, view, inputs, image);
  QEventLoop loop;
  QElapsedTimer clock;
  // Done ends it at once: the window's close timer would only add its wait.
  auto check = [&] {
    if (link.State().Done || view.ended) loop.quit();
  };
  // Each event runs its handler, then looks whether the transfer has ended.
  auto wire = [&](const auto* sender, auto signal, void (L::*handler)()) {
    QObject::connect(sender, signal, [&, handler] {
      (link.*handler)();
      check();
    });
  };
  wire(&port, &QSerialPort::readyRead, &L::MSC_OnComm);
  wire(&port, &LinkPort::PortLost, &L::MSC_PortLost);
  wire(&t1, &QTimer::timeout, &L::Timer1_Timer);
  wire(&t2, &QTimer::timeout, &L::Timer2_Timer);
  wire(&t3, &QTimer::timeout, &L::Timer3_Timer);
  clock.start();
  start(link);
  if (!link.State().Done && !view.ended) loop.exec();
  link.Shutdown();
  view.bar.Clear();
  Outcome outcome;
  outcome.ok = link.State().Done;
  outcome.failure = view.failure;
  outcome.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  return outcome;
}

// verified: the memory is read twice in the session and only agreeing copies are taken.
Outcome ReadRadio(FixedLinkInputs& inputs, RadioImage& image, bool verified = false) {
  return RunTransfer<ReadLink>(inputs, image, [verified](ReadLink& link) {
    link.VerifyAfterReading(verified);
    link.Command_read_Click();
  });
}

Outcome WriteRadio(FixedLinkInputs& inputs, RadioImage& image) {
  return RunTransfer<WriteLink>(inputs, image, [](WriteLink& link) { link.Command_Write_Click(); });
}

// -p PORT, once.
std::optional<PortId> PortOption(const Args& args) {
  const auto value = args.Value("port");
  if (!value) {
    UsageError(args, args.T("缺少 -p PORT。", "-p PORT is missing."));
    return std::nullopt;
  }
  return PortNamed(*value);
}

}  // namespace

PortId PortNamed(const std::string& value) {
  PortId port;
  port.device = value;
  const bool com =
      value.size() >= 4 && value.size() <= 5 && value.rfind("COM", 0) == 0 &&
      std::all_of(value.begin() + 3, value.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (com) {
    port.number = std::stoi(value.substr(3));
    port.device = PortDeviceName(port.number);
    return port;
  }
  // A device that the rule also counts keeps its COM number in messages.
  const std::vector<std::string> devices = ListPortDevices("/dev");
  for (std::size_t i = 0; i < devices.size() && i < kPortNumbers; ++i) {
    if (devices[i] == value) port.number = static_cast<int>(i) + 1;
  }
  return port;
}

// Up to six digits, as the options window stores them.
bool PasswordOption(const Args& args, const RadioImage& image,
                    std::array<std::uint8_t, 6>& password) {
  RadioImage cells = image;
  if (const auto value = args.Value("password")) {
    const bool digits =
        !value->empty() && value->size() <= kPasswordLength &&
        std::all_of(value->begin(), value->end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) {
      UsageError(args, std::string(args.T("--password 取一到六位数字：",
                                          "--password takes one to six digits: ")) +
                           *value);
      return false;
    }
    StorePassword(*value, cells);
  }
  for (std::size_t k = 0; k < 6; ++k)
    password[k] = cells.at(kPasswordCell.row, kPasswordCell.col + static_cast<int>(k));
  return true;
}

std::optional<int> ModelCode(const Args& args, const RadioImage& image) {
  bool bad = false;
  const auto band = BandOption(args, bad);
  if (bad) return std::nullopt;
  if (const auto code = WriteModelCode(image, band)) return code;
  UsageError(args, args.Chinese()
                       ? "第 59 行的频率范围 " + RangeEdgeText(image, kRangeLowCell) + "-" +
                             RangeEdgeText(image, kRangeHighCell) +
                             " MHz 不是任何频段，请用 --band N 指定机型代码。"
                       : "row 59 holds " + RangeEdgeText(image, kRangeLowCell) + "-" +
                             RangeEdgeText(image, kRangeHighCell) +
                             " MHz, which is no band; give the model code with --band N.");
  return std::nullopt;
}

namespace {

// What a write of image sends.
RadioImage PreparedForWrite(RadioImage image, int modelCode) {
  PrepareForWrite(image, modelCode);
  return image;
}

// Lines for each of blocks 0..62 where the radio differs from the file.
std::vector<std::string> BlockDifferences(const RadioImage& radio, const RadioImage& file,
                                          bool chinese) {
  std::vector<std::string> lines;
  for (int b = 0; b <= 62; ++b) {
    std::string cells;
    for (int c = 0; c < RadioImage::kBlockBytes; ++c) {
      if (radio.at(b, c) == file.at(b, c)) continue;
      cells += chinese
                   ? "  第 " + std::to_string(c) + " 单元 对讲机 " +
                         std::to_string(radio.at(b, c)) + "，文件 " + std::to_string(file.at(b, c))
                   : "  cell " + std::to_string(c) + ": radio " + std::to_string(radio.at(b, c)) +
                         ", file " + std::to_string(file.at(b, c));
    }
    if (!cells.empty())
      lines.push_back(
          (chinese ? "第 " + std::to_string(b) + " 块：" : "block " + std::to_string(b) + ":") +
          cells);
  }
  return lines;
}

// Reads the radio into a fresh start-up image and compares it with what a write of
// file sends. Empty failure and no lines: the same.
Outcome VerifyRadio(FixedLinkInputs& inputs, const RadioImage& expected,
                    std::vector<std::string>& lines) {
  RadioImage radio = StartupImage();
  Outcome outcome = ReadRadio(inputs, radio);
  if (outcome.ok) lines = BlockDifferences(radio, expected, inputs.chinese);
  return outcome;
}

}  // namespace

std::string Seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f s", s);
  return text;
}

int Ports(const Args& args) {
  const auto infos = QSerialPortInfo::availablePorts();
  for (int n = 1; n <= kPortNumbers; ++n) {
    const std::string device = PortDeviceName(n);
    std::string line = "COM" + std::to_string(n) + "  ";
    if (device.empty()) {
      line += args.T("（无设备）", "(no device)");
    } else {
      line += device;
      for (const QSerialPortInfo& info : infos) {
        if (info.systemLocation().toStdString() != device &&
            info.portName().toStdString() != device)
          continue;
        std::string about = info.description().toStdString();
        if (!info.manufacturer().isEmpty())
          about += (about.empty() ? "" : ", ") + info.manufacturer().toStdString();
        if (!info.serialNumber().isEmpty())
          about += (about.empty() ? "" : ", ") + info.serialNumber().toStdString();
        if (!about.empty()) line += "  " + about;
      }
    }
    Out(line);
  }
  return kSuccess;
}

int Read(const Args& args) {
  const auto port = PortOption(args);
  if (!port) return kUsage;
  const auto output = args.Value("output");
  if (!output) return UsageError(args, args.T("缺少 -o FILE。", "-o FILE is missing."));
  RadioImage image = StartupImage();
  FixedLinkInputs inputs;
  inputs.port = *port;
  inputs.chinese = args.Chinese();
  if (!PasswordOption(args, image, inputs.password)) return kUsage;
  if (!MayWrite(args.settings, *output, args.Flag("force"))) return kUsage;

  const Outcome outcome = ReadRadio(inputs, image, args.Flag("verify"));
  if (!outcome.ok) {
    Err(outcome.failure);
    return kFailed;
  }
  if (!SaveChannFile(args.settings, *output, image, true)) return kUsage;
  Out(args.T("数据读出正常 ！", "Read Data in gear. ") + std::string("  ") + *output + "  " +
      Seconds(outcome.seconds));
  return kSuccess;
}

// What write, verify and clone start from: the port, the file's image and the model
// code to write, with the port and the language put into inputs. False when one of
// them is missing or wrong (the usage error is already said).
bool StartFromFile(const Args& args, std::optional<RadioImage>& image, int& model,
                   FixedLinkInputs& inputs) {
  const auto port = PortOption(args);
  if (!port) return false;
  image = LoadChannFile(args.settings, args.positional[0]);
  if (!image) return false;
  const auto code = ModelCode(args, *image);
  if (!code) return false;
  model = *code;
  inputs.port = *port;
  inputs.chinese = args.Chinese();
  return true;
}

int Write(const Args& args) {
  std::optional<RadioImage> image;
  int model = 0;
  FixedLinkInputs inputs;
  if (!StartFromFile(args, image, model, inputs)) return kUsage;
  inputs.modelCode = model;
  const Outcome outcome = WriteRadio(inputs, *image);
  if (!outcome.ok) {
    Err(outcome.failure);
    return kFailed;
  }
  Out(args.T("数据写入完毕 ！", "Complete writing Data ") + std::string("  ") + args.positional[0] +
      "  " + Seconds(outcome.seconds));
  return kSuccess;
}

int Verify(const Args& args) {
  std::optional<RadioImage> image;
  int model = 0;
  FixedLinkInputs inputs;
  if (!StartFromFile(args, image, model, inputs)) return kUsage;
  if (!PasswordOption(args, *image, inputs.password)) return kUsage;
  std::vector<std::string> lines;
  const Outcome outcome = VerifyRadio(inputs, PreparedForWrite(*image, model), lines);
  if (!outcome.ok) {
    Err(outcome.failure);
    return kFailed;
  }
  for (const std::string& line : lines) Out(line);
  Out(lines.empty() ? args.T("对讲机与文件相同。", "The radio holds the file.")
                    : std::string(args.T("对讲机与文件不同的块数：",
                                         "Blocks where the radio differs from the file: ")) +
                          std::to_string(lines.size()));
  return lines.empty() ? kSuccess : kFailed;
}

}  // namespace cli
