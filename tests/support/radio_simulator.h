#pragma once
// rt410-radio-sim for window tests, started from the path the build gives as
// RT410_RADIO_SIM.
#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef RT410_RADIO_SIM

// rt410-radio-sim on a pseudo-terminal, for as long as the test runs.
class RadioSimulator {
 public:
  // Not quiet: the frames it receives are logged, for Log().
  explicit RadioSimulator(const QStringList& arguments, bool quiet = true) {
    process_.setProgram(QStringLiteral(RT410_RADIO_SIM));
    process_.setArguments(quiet ? QStringList{"--quiet"} + arguments : arguments);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (process_.waitForStarted(10'000) && process_.waitForReadyRead(10'000))
      device_ = QString::fromUtf8(process_.readLine()).trimmed();
  }
  ~RadioSimulator() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
  }
  QString Device() const { return device_; }
  // The radio and its cable gone at once.
  void Kill() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  // Ends as on a cable pulled: the terminal and the simulator's --link go.
  void Stop() {
    process_.terminate();
    process_.waitForFinished(5000);
  }
  // What the radio logged so far.
  QString Log() {
    log_ += QString::fromUtf8(process_.readAllStandardError());
    return log_;
  }

 private:
  QProcess process_;
  QString device_;
  QString log_;
};
#endif  // RT410_RADIO_SIM
