// The link's timer, armed early and kept to its deadline, must never tick before its
// interval, and must obey a handler that stops or restarts it. Only lower bounds on
// time are checked: a loaded machine can make a tick late, not the test fail.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>

#include "link/io/link_port.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct TimerCase {
  const char* name;
  int interval, restartAt, restartInterval, stopAt;  // ms; ticks counted from 1 (0: never)
};

class LinkTimerTest : public ::testing::TestWithParam<TimerCase> {};

TEST_P(LinkTimerTest, TicksNoEarlierThanAskedAndObeysItsHandler) {
  const TimerCase& c = GetParam();
  int argc = 1;
  char name[] = "link_timer_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  LinkTimer timer(nullptr);
  int ticks = 0, early = 0, sinceStart = 0, interval = c.interval;
  Clock::time_point from = Clock::now();
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++ticks;
    if (Clock::now() < from + milliseconds(interval) * ++sinceStart) ++early;
    if (ticks == c.restartAt) {
      interval = c.restartInterval;
      sinceStart = 0;
      from = Clock::now();
      timer.Start(interval);
    }
    if (ticks == c.stopAt) {
      timer.Stop();
      // Three more intervals for a tick that must not come.
      QTimer::singleShot(3 * interval + 20, [] { QCoreApplication::quit(); });
    }
  });
  timer.Start(c.interval);
  QCoreApplication::exec();
  EXPECT_EQ(early, 0);
  EXPECT_EQ(ticks, c.stopAt) << "ticks after Stop";
  EXPECT_FALSE(timer.IsActive());
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkTimerTest,
                         ::testing::Values(TimerCase{"Sender", 15, 0, 0, 4},
                                           TimerCase{"Zero", 0, 0, 0, 3},
                                           TimerCase{"RestartedShorter", 15, 2, 1, 5},
                                           TimerCase{"RestartedLonger", 3, 2, 15, 4},
                                           TimerCase{"Watchdog", 120, 0, 0, 2}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
