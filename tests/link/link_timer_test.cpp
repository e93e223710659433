// The link's timer over Qt: armed early and kept to its deadline, it must still never
// tick before its interval has passed, and a handler that stops or restarts it must
// be obeyed as with a plain QTimer. Only lower bounds on time are checked, so a
// loaded machine can make a tick late but not make the test fail.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "link/io/link_port.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct TimerCase {
  const char* name;
  int interval;         // ms, the first Start
  int restartAt;        // at this tick the handler starts it again; 0: never
  int restartInterval;  // ms, that Start
  int stopAt;           // at this tick the handler stops it
};

class LinkTimerTest : public ::testing::TestWithParam<TimerCase> {};

TEST_P(LinkTimerTest, TicksNoEarlierThanAskedAndObeysItsHandler) {
  const TimerCase& c = GetParam();
  int argc = 1;
  char arg0[] = "link_timer_test";
  char* argv[] = {arg0, nullptr};
  QCoreApplication app(argc, argv);
  LinkTimer timer(nullptr);
  std::vector<Clock::duration> early;  // a tick before its due time, by how much
  int ticks = 0;
  Clock::time_point from;  // the Start the current run counts from
  int interval = c.interval;
  int sinceStart = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++ticks;
    ++sinceStart;
    const Clock::time_point due = from + milliseconds(interval) * sinceStart;
    if (Clock::now() < due) early.push_back(due - Clock::now());
    if (ticks == c.restartAt) {
      interval = c.restartInterval;
      sinceStart = 0;
      from = Clock::now();
      timer.Start(interval);
    }
    if (ticks == c.stopAt) {
      timer.Stop();
      // Three more intervals for a tick that must not come.
      QTimer::singleShot(3 * std::max(interval, 1) + 20, [] { QCoreApplication::quit(); });
    }
  });
  from = Clock::now();
  timer.Start(c.interval);
  QCoreApplication::exec();
  EXPECT_TRUE(early.empty()) << early.size() << " ticks came early";
  EXPECT_EQ(ticks, c.stopAt) << "ticks after Stop";
  EXPECT_FALSE(timer.IsActive());
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkTimerTest,
                         ::testing::Values(TimerCase{"Sender", 15, 0, 0, 4},
                                           TimerCase{"Zero", 0, 0, 0, 3},
                                           TimerCase{"OneMillisecond", 1, 0, 0, 5},
                                           TimerCase{"RestartedShorterFromItsHandler", 15, 2, 3, 5},
                                           TimerCase{"RestartedLongerFromItsHandler", 3, 2, 15, 4},
                                           TimerCase{"Watchdog", 120, 0, 0, 2}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
