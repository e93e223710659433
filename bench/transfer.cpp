// bench/transfer: a full read and a full write through a real QSerialPort against
// rt410-radio-sim pacing at 9600 baud. For each it prints the time taken and the
// floor the protocol sets: the wire time of every byte that went either way (10
// bits a byte at 9600 baud) plus the 15 ms sender delay of every frame. The strict
// floor leaves out the bytes sent at once while the next frame waits its 15 ms (the
// read's acknowledges), since their wire time passes within that delay.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_common.h"
#include "files/channel_file.h"
#include "image/radio_image.h"
#include "link/comm_read.h"
#include "link/comm_write.h"
#include "link/io/link_port.h"

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0;

// One frame handed to the sender, and what passed until the next one.
struct FrameTrace {
  qint64 queuedNs = 0;
  qint64 leftNs = -1;  // its first byte went out
  long bytes = 0;      // its own, and those heard until the next frame
};

// The real port, counting what passes through it.
class CountingPort : public SerialPortOps {
 public:
  explicit CountingPort(LinkPort& port) : port_(port) {}
  PortOpenResult Open(const PortId& id, const LineSettings& s) override {
    return port_.Open(id, s);
  }
  void Close() override {
    port_.Close();
    if (onClose) onClose();
  }
  bool IsOpen() const override { return port_.IsOpen(); }
  int BytesWaiting() const override { return port_.BytesWaiting(); }
  std::uint8_t ReadByte() override {
    ++received;
    Heard(1);
    return port_.ReadByte();
  }
  void WriteByte(std::uint8_t b) override {
    ++sent;
    if (!inSenderTick) {
      ++atOnce;
      if (clock) lastAtOnceNs = clock->nsecsElapsed();
    } else if (!trace.empty()) {
      FrameTrace& f = trace.back();
      if (f.leftNs < 0 && clock) f.leftNs = clock->nsecsElapsed();
      ++f.bytes;
    }
    port_.WriteByte(b);
  }
  void ClearInput() override {
    received += port_.BytesWaiting();
    Heard(port_.BytesWaiting());
    port_.ClearInput();
  }
  void ClearOutput() override { port_.ClearOutput(); }
  void DrainOutput() override { port_.DrainOutput(); }

  long sent = 0;
  long received = 0;
  // Bytes sent at once, outside the sender, not yet followed by a frame.
  long atOnce = 0;
  bool inSenderTick = false;
  std::function<void()> onClose;
  const QElapsedTimer* clock = nullptr;
  std::vector<FrameTrace> trace;
  qint64 lastAtOnceNs = 0;

 private:
  void Heard(int n) {
    if (!trace.empty() && n > 0) trace.back().bytes += n;
  }
  LinkPort& port_;
};

// Timer1: every start is one frame handed to the sender.
class CountingTimer : public TimerOps {
 public:
  explicit CountingTimer(LinkTimer& timer) : timer_(timer) {}
  void Start(int ms) override {
    ++starts;
    // An acknowledge sent at once goes out while the next frame waits its 15 ms.
    startedNs = clock ? clock->nsecsElapsed() : 0;
    if (port) {
      overlapped += port->atOnce;
      port->atOnce = 0;
      port->trace.push_back({startedNs});
    }
    intervalNs = ms * 1'000'000LL;
    timer_.Start(ms);
  }
  // How much later than asked the tick came.
  void Ticked() {
    if (clock) lateNs += clock->nsecsElapsed() - startedNs - intervalNs;
  }
  void Stop() override { timer_.Stop(); }
  bool IsActive() const override { return timer_.IsActive(); }
  long starts = 0;
  long overlapped = 0;
  CountingPort* port = nullptr;
  const QElapsedTimer* clock = nullptr;
  qint64 startedNs = 0;
  qint64 intervalNs = 0;
  qint64 lateNs = 0;

 private:
  LinkTimer& timer_;
};

class QuietView : public LinkView {
 public:
  void SetProgress(int) override {}
  void HideProgress() override {}
  void SetStatus(const std::string&) override {}
  void Message(const std::string& text, const std::string&) override {
    if (!expectFailure) std::fprintf(stderr, "message: %s\n", text.c_str());
    failed = true;
    if (onMessage) onMessage();
    QCoreApplication::exit(1);
  }
  void PortOpenOutcome(const PortId& port, const PortOpenResult& result) override {
    if (result.Opened()) return;
    const PortMessage m = PortOpenMessage(port, result, false, true);
    Message(m.text + "\n" + m.informative, {});
  }
  void UnloadForm() override {}
  bool failed = false;
  bool expectFailure = false;
  std::function<void()> onMessage;
};

struct Result {
  double seconds;
  double floor;
  long bytes;
  long frames;
  double timerLate;  // the sender's ticks, behind their 15 ms in all
  long overlapped;   // bytes whose wire time passes within a sender delay
  int opens = 0;     // attempts
  std::vector<FrameTrace> trace;
  qint64 endNs = 0;
  qint64 lastAckNs = 0;
};

// One transfer from the start button to the port closing after the last byte.
// expectFailure: the transfer runs until its failure message instead.
template <class L>
bool Run(const std::function<void(L&)>& start, LinkInputs& inputs, RadioImage& image,
         Result& result, bool expectFailure = false) {
  LinkPort port(nullptr);
  LinkTimer t1(nullptr), t2(nullptr), t3(nullptr), t4(nullptr);
  CountingPort counting(port);
  CountingTimer sender(t1);
  QuietView view;
  view.expectFailure = expectFailure;
  L link(counting, {sender, t2, t3, t4}, view, inputs, image);
  QObject::connect(&port, &QSerialPort::readyRead, [&] { link.MSC_OnComm(); });
  QObject::connect(&port, &LinkPort::PortLost, [&] { link.MSC_PortLost(); });
  QObject::connect(&t1, &QTimer::timeout, [&] {
    sender.Ticked();
    counting.inSenderTick = true;
    link.Timer1_Timer();
    counting.inSenderTick = false;
  });
  QObject::connect(&t2, &QTimer::timeout, [&] { link.Timer2_Timer(); });
  QObject::connect(&t3, &QTimer::timeout, [&] { link.Timer3_Timer(); });

  QElapsedTimer clock;
  sender.clock = &clock;
  sender.port = &counting;
  counting.clock = &clock;
  qint64 endNs = 0;
  counting.onClose = [&] {
    ++result.opens;
    if (expectFailure) return;
    endNs = clock.nsecsElapsed();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  };
  view.onMessage = [&] { endNs = clock.nsecsElapsed(); };
  clock.start();
  start(link);
  if (view.failed) return false;
  QCoreApplication::exec();
  link.Shutdown();
  if (expectFailure) {
    if (!view.failed) std::fprintf(stderr, "the transfer did not fail\n");
  } else if (!link.State().Done) {
    std::fprintf(stderr, "the transfer did not complete\n");
    return false;
  }
  if (expectFailure && !view.failed) return false;
  result.seconds = static_cast<double>(endNs) / 1e9;
  result.bytes = counting.sent + counting.received;
  result.frames = sender.starts;
  result.timerLate = static_cast<double>(sender.lateNs) / 1e9;
  result.overlapped = sender.overlapped;
  result.trace = std::move(counting.trace);
  result.endNs = endNs;
  result.lastAckNs = counting.lastAtOnceNs;
  result.floor = static_cast<double>(result.bytes) * kByteSeconds +
                 static_cast<double>(result.frames) * SerialLink::kSendDelayMs / 1000.0;
  return true;
}

// The strict floor: bytes sent at once while the next frame waits out the sender
// delay (the read's acknowledges) take no time of their own.
double StrictFloor(const Result& r) {
  return r.floor - static_cast<double>(r.overlapped) * kByteSeconds;
}

void Print(const char* what, int run, const Result& r) {
  std::printf(
      "%-5s run %d: measured %.3f s  strict floor %.3f s  ratio %.4f   (floor with every byte "
      "%.3f s, ratio %.4f)\n",
      what, run, r.seconds, StrictFloor(r), r.seconds / StrictFloor(r), r.floor,
      r.seconds / r.floor);
  std::printf(
      "      %ld bytes, %ld frames, %ld bytes overlapping a sender delay; the sender's ticks came "
      "%.1f ms late in all\n",
      r.bytes, r.frames, r.overlapped, r.timerLate * 1000);
}

// Where the time above the strict floor went, frame by frame: each frame's stretch
// runs from its hand-over to the sender to the next one's, and its floor is the
// sender delay plus the wire time of its bytes and of those heard until the next
// frame. Of that excess, "sender" is the wait beyond the 15 ms before the first byte
// left; the rest passed between its last byte and the reply taken. The end runs from
// the last acknowledge to the port closing.
void PrintBreakdown(const Result& r) {
  const auto& t = r.trace;
  if (t.size() < 3) return;
  const qint64 delayNs = SerialLink::kSendDelayMs * 1'000'000LL;
  auto excess = [&](std::size_t k, double& sender) {
    const qint64 until = k + 1 < t.size() ? t[k + 1].queuedNs : r.lastAckNs;
    const qint64 floorNs =
        delayNs + static_cast<qint64>(static_cast<double>(t[k].bytes) * kByteSeconds * 1e9);
    sender = t[k].leftNs < 0 ? 0 : static_cast<double>(t[k].leftNs - t[k].queuedNs - delayNs) / 1e6;
    return static_cast<double>(until - t[k].queuedNs - floorNs) / 1e6;
  };
  double idSender = 0, pwSender = 0;
  const double id = excess(0, idSender);
  const double pw = excess(1, pwSender);
  std::vector<double> blocks;
  double blocksSum = 0, blocksSender = 0;
  for (std::size_t k = 2; k < t.size(); ++k) {
    double sender = 0;
    blocks.push_back(excess(k, sender));
    blocksSum += blocks.back();
    blocksSender += sender;
  }
  // The last acknowledge's own wire time is in the floor.
  const double end = static_cast<double>(r.endNs - r.lastAckNs) / 1e6 - kByteSeconds * 1e3;
  std::printf(
      "      above the floor, ms: identification %.1f (sender %.1f), password %.1f (sender %.1f), "
      "%zu blocks %.1f (sender %.1f; median %.2f, most %.2f a block), end %.1f\n",
      id, idSender, pw, pwSender, blocks.size(), blocksSum, blocksSender, Median(blocks),
      *std::max_element(blocks.begin(), blocks.end()), end);
}

// Starts rt410-radio-sim serving image with options and puts its terminal into inputs.
bool StartSim(QProcess& sim, const QString& image, const QStringList& options,
              FixedLinkInputs& inputs) {
  sim.setProgram(QStringLiteral(RT410_RADIO_SIM));
  sim.setArguments(QStringList{"--quiet", "--baud", "9600", "--image", image} + options);
  sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  sim.start();
  if (!sim.waitForStarted(10'000) || !sim.waitForReadyRead(10'000)) {
    std::fprintf(stderr, "rt410-radio-sim did not start\n");
    return false;
  }
  inputs.port = {1, QString::fromUtf8(sim.readLine()).trimmed().toStdString()};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const int runs = RunsOption(args, 3);

  QTemporaryDir dir;
  RadioImage rows;
  for (int r = 0; r < 256; ++r) {
    for (int c = 0; c < 16; ++c) rows.at(r, c) = static_cast<std::uint8_t>(r * 16 + c);
  }
  for (int c = 6; c < 12; ++c) rows.at(61, c) = 0xFF;  // no password
  const QString image = dir.filePath("radio.chann");
  QFile file(image);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(QByteArray::fromStdString(ChannelFileText(rows))) < 0) {
    std::fprintf(stderr, "%s cannot be written\n", qPrintable(image));
    return 1;
  }
  file.close();

  FixedLinkInputs inputs;
  RadioImage memory = rows;
  std::printf("rt410-radio-sim, 9600 baud 8N1 (%.4f ms a byte), sender delay %d ms\n",
              kByteSeconds * 1000, SerialLink::kSendDelayMs);

  struct Radio {
    const char* name;
    QStringList options;
  };
  const Radio radios[] = {{"well-behaved", {}},
                          {"1 extra byte", {"--extra-bytes", "1"}},
                          {"3 extra bytes", {"--extra-bytes", "3"}},
                          {"10 extra bytes", {"--extra-bytes", "10"}}};
  std::vector<std::string> summary;
  for (const Radio& radio : radios) {
    QProcess sim;
    if (!StartSim(sim, image, radio.options, inputs)) return 1;
    std::printf("%s radio on %s\n", radio.name, inputs.port.device.c_str());
    std::vector<double> readStrict, writeStrict, readRatios, writeRatios;
    bool ok = true;
    for (int run = 1; run <= runs && ok; ++run) {
      Result read{};
      ok = Run<ReadLink>([](ReadLink& l) { l.Command_read_Click(); }, inputs, memory, read);
      if (!ok) break;
      Print("read", run, read);
      PrintBreakdown(read);
      readRatios.push_back(read.seconds / read.floor);
      readStrict.push_back(read.seconds / StrictFloor(read));

      Result write{};
      ok = Run<WriteLink>([](WriteLink& l) { l.Command_Write_Click(); }, inputs, memory, write);
      if (!ok) break;
      Print("write", run, write);
      writeRatios.push_back(write.seconds / write.floor);
      writeStrict.push_back(write.seconds / StrictFloor(write));
    }
    sim.terminate();
    sim.waitForFinished(5000);
    if (!ok) return 1;
    char line[200];
    std::snprintf(line, sizeof line,
                  "%-15s read %.4f  write %.4f   (to the floor with every byte: read %.4f  write "
                  "%.4f)",
                  radio.name, Median(readStrict), Median(writeStrict), Median(readRatios),
                  Median(writeRatios));
    summary.push_back(line);
  }
  if (args.contains("--failure")) {
    QProcess sim;
    if (!StartSim(sim, image, {"--extra-bytes", "10", "--stop-after", "40"}, inputs)) return 1;
    Result failed{};
    const bool ok =
        Run<ReadLink>([](ReadLink& l) { l.Command_read_Click(); }, inputs, memory, failed, true);
    sim.terminate();
    sim.waitForFinished(5000);
    if (!ok) return 1;
    // Every attempt ends 1 s after its last frame and pauses 5 s.
    const double rule =
        StrictFloor(failed) +
        failed.opens * (SerialLink::kReplyWatchMs + SerialLink::kRestartPauseMs) / 1000.0;
    std::printf(
        "failure: 10 extra bytes, stops after block 40: failed after %.3f s, %d attempts; the "
        "retry rule gives %.3f s, ratio %.4f\n",
        failed.seconds, failed.opens, rule, failed.seconds / rule);
  }
  std::printf("median ratio to the strict floor (a noisy radio's counts its extra bytes):\n");
  for (const std::string& line : summary) std::printf("  %s\n", line.c_str());
  return 0;
}
