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

#include "bench_common.h"
#include "fleet/io/clone_io.h"

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0;
constexpr double kSenderSeconds = SerialLink::kSendDelayMs / 1000.0;

// The floor of one radio: the bytes either way and the frames of a write and of the
// verify's read, with the replies of rt410-radio-sim (identification 9 bytes, password
// 7, blocks 21). The read's acknowledges leave within a sender delay and take no time.
double Floor(bool verify) {
  const double write = (8 + 21 + 62 * 20 + 1 + 9 + 63) * kByteSeconds + 64 * kSenderSeconds;
  const double read = (8 + 2 + 5 + 63 * 4 + 9 + 7 + 64 * 21) * kByteSeconds + 66 * kSenderSeconds;
  return verify ? write + read : write;
}

// One round on the first n cables, until the last port's end; false when a radio
// did not finish.
bool RunRound(std::list<CloneCable>& cables, std::size_t n, const ClonePlan& plan,
              AniSequence& codes, QElapsedTimer& clock, double& seconds) {
  std::vector<ClonePort*> ports;
  for (CloneCable& cable : cables) {
    if (ports.size() == n) break;
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
  seconds = 0;
  std::size_t i = 0;
  for (const CloneCable& cable : cables) {
    if (i++ == n) break;
    const ClonePortReport& r = cable.clone.Report();
    if (r.result != CloneResult::Success && r.result != CloneResult::Verified) {
      std::fprintf(stderr, "%s: %s %s\n", cable.clone.Id().device.c_str(),
                   CloneResultText(r.result, false).c_str(), r.message.c_str());
      return false;
    }
    seconds = std::max(seconds, r.seconds);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = RunsOption(app.arguments(), 3);
  const std::vector<std::size_t> sizes = {1, 2, 4, 8};

  std::vector<std::unique_ptr<QProcess>> sims;
  QElapsedTimer clock;
  std::list<CloneCable> cables;
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
    cables.emplace_back(PortId{0, device}, device, clock);
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
      const double floor = Floor(verify);
      for (int run = 0; run < runs && ok; ++run) {
        double round = 0;
        ok = RunRound(cables, n, plan, codes, clock, round);
        seconds.push_back(round);
        ratios.push_back(round / floor);
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
