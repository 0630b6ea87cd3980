// The menu's delay: waits on the seconds-since-midnight clock while processing events.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

TEST(MenuDelay, WaitsTheGivenTimeAlsoAcrossMidnight) {
  struct Case {
    double startSeconds;
    double seconds;
  };
  const Case cases[] = {
      {12 * 3600.0, 0.01},
      {12 * 3600.0, 2.5},
      {86399.995, 0.01},  // the counter wraps to 0 in the middle of the wait
      {86399.0, 3.0},
  };
  for (const Case& c : cases) {
    testing_support::FakeGame g;
    g.clock = svc::VirtualClock(0, c.startSeconds);
    g.start();
    const int pollsBefore = g.input.polls;
    g.program->menu()->delay(c.seconds);
    const double waited = double(g.clock.ticks()) / 1000.0;
    EXPECT_GE(waited, c.seconds - 1e-9) << c.startSeconds;
    EXPECT_LT(waited, c.seconds + 0.01) << c.startSeconds;
    EXPECT_GT(g.input.polls, pollsBefore) << "events are processed while waiting";
  }
}

TEST(MenuDelay, ZeroReturnsAtOnceWithoutProcessingEvents) {
  testing_support::FakeGame g;
  g.start();
  const int pollsBefore = g.input.polls;
  g.program->menu()->delay(0);
  EXPECT_EQ(g.input.polls, pollsBefore);
  EXPECT_EQ(g.clock.ticks(), 0u);
}

}  // namespace
