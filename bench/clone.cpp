// bench/clone: clone rounds on N = 1, 2, 4, 8 cables at once, each a real QSerialPort
// against its own rt410-radio-sim pacing at 9600 baud; a write, then a write with a
// verify. For each N it prints the round's time against the floor of one radio (the
// wire time of every byte either way, 10 bits at 9600 baud, plus the 15 ms sender
// delay of every frame; bytes sent at once while the next frame waits that delay take
// no time of their own), against the round of one radio alone, and the radios an hour
// that makes, swapping radios left out.
//   clone [--runs R]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <list>
#include <memory>
#include <vector>

#include "fleet/clone_round.h"
#include "link/io/link_port.h"

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0;

// The port, counting the bytes that pass it and those that leave outside the sender.
class CountingPort : public SerialPortOps {
 public:
  explicit CountingPort(LinkPort& port) : port_(port) {}
  PortOpenResult Open(const PortId& id, const LineSettings& s) override {
    return port_.Open(id, s);
  }
  void Close() override { port_.Close(); }
  bool IsOpen() const override { return port_.IsOpen(); }
  int BytesWaiting() const override { return port_.BytesWaiting(); }
  std::uint8_t ReadByte() override {
    ++bytes;
    return port_.ReadByte();
  }
  void WriteByte(std::uint8_t b) override {
    ++bytes;
    if (!inSenderTick) ++atOnce;
    port_.WriteByte(b);
  }
  void ClearInput() override {
    bytes += port_.BytesWaiting();
    port_.ClearInput();
  }
  void ClearOutput() override { port_.ClearOutput(); }
  void DrainOutput() override { port_.DrainOutput(); }
  void Reset() { bytes = atOnce = overlapped = frames = 0; }

  long bytes = 0;
  long atOnce = 0;      // sent at once, not yet followed by a frame
  long overlapped = 0;  // sent at once while a frame waited its sender delay
  long frames = 0;
  bool inSenderTick = false;

 private:
  LinkPort& port_;
};

// Timer1: every start is one frame handed to the sender.
class SenderTimer : public TimerOps {
 public:
  SenderTimer(LinkTimer& timer, CountingPort& port) : timer_(timer), port_(port) {}
  void Start(int ms) override {
    ++port_.frames;
    port_.overlapped += port_.atOnce;
    port_.atOnce = 0;
    timer_.Start(ms);
  }
  void Stop() override { timer_.Stop(); }
  bool IsActive() const override { return timer_.IsActive(); }

 private:
  LinkTimer& timer_;
  CountingPort& port_;
};

struct Cable {
  Cable(const PortId& id, const QElapsedTimer& clock)
      : port(nullptr),
        t1(nullptr),
        t2(nullptr),
        t3(nullptr),
        t4(nullptr),
        counting(port),
        sender(t1, counting),
        clone(id, counting, {sender, t2, t3, t4},
              [&clock] { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }) {
    QObject::connect(&port, &QSerialPort::readyRead, [this] { clone.MSC_OnComm(); });
    QObject::connect(&port, &LinkPort::PortLost, [this] { clone.MSC_PortLost(); });
    QObject::connect(&t1, &QTimer::timeout, [this] {
      counting.inSenderTick = true;
      clone.Timer1_Timer();
      counting.inSenderTick = false;
    });
    QObject::connect(&t2, &QTimer::timeout, [this] { clone.Timer2_Timer(); });
    QObject::connect(&t3, &QTimer::timeout, [this] { clone.Timer3_Timer(); });
    QObject::connect(&t4, &QTimer::timeout, [this] { clone.Timer4_Timer(); });
  }
  double Floor() const {
    return static_cast<double>(counting.bytes - counting.overlapped) * kByteSeconds +
           static_cast<double>(counting.frames) * SerialLink::kSendDelayMs / 1000.0;
  }

  LinkPort port;
  LinkTimer t1, t2, t3, t4;
  CountingPort counting;
  SenderTimer sender;
  ClonePort clone;
};

struct Round {
  double seconds = 0;  // the last port's end
  double floor = 0;    // one radio's, the largest of the round
};

// One round on the first n cables; false when a radio did not finish.
bool RunRound(std::list<Cable>& cables, std::size_t n, const ClonePlan& plan, AniSequence& codes,
              QElapsedTimer& clock, Round& result) {
  std::vector<ClonePort*> ports;
  for (Cable& cable : cables) {
    if (ports.size() == n) break;
    cable.counting.Reset();
    ports.push_back(&cable.clone);
  }
  CloneRound round(ports, plan, &codes);
  QEventLoop loop;
  for (ClonePort* port : ports) {
    port->onChange = [&] {
      if (!round.Running()) loop.quit();
    };
  }
  clock.start();
  if (const std::string refusal = round.Start(); !refusal.empty()) {
    std::fprintf(stderr, "%s\n", refusal.c_str());
    return false;
  }
  if (round.Running()) loop.exec();
  CloneTotals totals;
  round.Finish(totals);
  result = {};
  std::size_t i = 0;
  for (const Cable& cable : cables) {
    if (i++ == n) break;
    const ClonePortReport& r = cable.clone.Report();
    if (r.result != CloneResult::Success && r.result != CloneResult::Verified) {
      std::fprintf(stderr, "%s: %s %s\n", cable.clone.Id().device.c_str(),
                   CloneResultText(r.result, false).c_str(), r.message.c_str());
      return false;
    }
    result.seconds = std::max(result.seconds, r.seconds);
    result.floor = std::max(result.floor, cable.Floor());
  }
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int runs = 3;
  const QStringList args = app.arguments();
  if (const auto at = args.indexOf("--runs"); at >= 0 && at + 1 < args.size())
    runs = std::max(1, args[at + 1].toInt());
  const std::vector<std::size_t> sizes = {1, 2, 4, 8};

  std::vector<std::unique_ptr<QProcess>> sims;
  QElapsedTimer clock;
  std::list<Cable> cables;
  for (std::size_t i = 0; i < sizes.back(); ++i) {
    auto& sim = sims.emplace_back(std::make_unique<QProcess>());
    sim->setProgram(QStringLiteral(RT410_RADIO_SIM));
    sim->setArguments({"--quiet", "--baud", "9600"});
    sim->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim->start();
    if (!sim->waitForStarted(10'000) || !sim->waitForReadyRead(10'000)) {
      std::fprintf(stderr, "rt410-radio-sim did not start\n");
      return 1;
    }
    const std::string device = QString::fromUtf8(sim->readLine()).trimmed().toStdString();
    cables.emplace_back(PortId{0, device}, clock);
  }

  ClonePlan plan;
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 16; ++c) plan.image.at(r, c) = static_cast<std::uint8_t>(r * 16 + c);
  }
  for (int c = 6; c < 12; ++c) plan.image.at(61, c) = 0xFF;  // no password
  plan.modelCode = 3;
  std::printf("%zu rt410-radio-sim radios, 9600 baud 8N1, sender delay %d ms, %d runs each\n",
              sizes.back(), SerialLink::kSendDelayMs, runs);

  bool ok = true;
  for (const bool verify : {false, true}) {
    plan.verify = verify;
    AniSequence codes("00000000");
    double alone = 0;  // the round of one radio
    for (const std::size_t n : sizes) {
      std::vector<double> seconds, ratios;
      double floor = 0;
      for (int run = 0; run < runs && ok; ++run) {
        Round round;
        ok = RunRound(cables, n, plan, codes, clock, round);
        seconds.push_back(round.seconds);
        ratios.push_back(round.seconds / round.floor);
        floor = round.floor;
      }
      if (!ok) break;
      const double median = Median(seconds);
      if (n == 1) alone = median;
      std::printf(
          "%-12s N=%zu: round %.3f s  floor of one radio %.3f s  ratio %.4f (worst %.4f)  "
          "to one radio alone %.4f  %.0f radios per hour\n",
          verify ? "write+verify" : "write", n, median, floor, Median(ratios),
          *std::max_element(ratios.begin(), ratios.end()), median / alone,
          3600.0 * static_cast<double>(n) / median);
      std::fflush(stdout);
    }
  }
  for (auto& sim : sims) {
    sim->terminate();
    sim->waitForFinished(5000);
  }
  return ok ? 0 : 1;
}
