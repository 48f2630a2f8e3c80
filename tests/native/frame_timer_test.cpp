#include <gtest/gtest.h>

#include <cmath>

#include "fake_clock.h"

TEST(FrameTimer, FirstTickIsMeasuredFromStartAndDeltaEqualsTotal) {
  FakeClock clock;
  clock.counter = 5000000;
  FrameTimer timer;
  timer.Start(clock);
  clock.counter += 1500;  // 1.5 ms at 1 MHz
  timer.Tick();
  EXPECT_FLOAT_EQ(timer.total(), 0.0015f);
  EXPECT_EQ(timer.delta(), timer.total());

  clock.counter += 250000;
  timer.Tick();
  EXPECT_FLOAT_EQ(timer.total(), 0.2515f);
  EXPECT_FLOAT_EQ(timer.delta(), 0.25f);

  timer.Tick();  // no time between two advances: nothing may move
  EXPECT_EQ(timer.delta(), 0.0f);
  EXPECT_FLOAT_EQ(timer.total(), 0.2515f);
}

TEST(FrameTimer, WithoutCounterCountsWholeMilliseconds) {
  FakeClock clock;
  clock.hasCounter = false;
  clock.counter = 999999;            // must not be read
  clock.milliseconds = 4000000000u;  // near the wrap: the start is taken unsigned
  FrameTimer timer;
  timer.Start(clock);
  clock.milliseconds += 7;
  timer.Tick();
  EXPECT_FLOAT_EQ(timer.total(), 0.007f);
  clock.milliseconds += 1;
  timer.Tick();
  EXPECT_NEAR(timer.delta(), 0.001f, 1e-6f);
}

// A single-precision total has a resolution of 1/128 s beyond 2^16 s and 1/64 s beyond 2^17 s:
// every delta is then a whole multiple of that step, however fine the counter.
TEST(FrameTimer, FloatTotalLosesResolutionOnLongRuns) {
  FakeClock clock;
  FrameTimer timer;
  timer.Start(clock);
  clock.counter = 65536LL * 1000000;
  timer.Tick();
  EXPECT_EQ(timer.total(), 65536.0f);
  for (int frame = 0; frame < 50; ++frame) {
    clock.counter += 16667;  // 60 frames a second
    timer.Tick();
    const float steps = timer.delta() * 128.0f;
    EXPECT_EQ(steps, std::round(steps)) << "frame " << frame;
  }
  clock.counter = 131072LL * 1000000 + 3000;
  timer.Tick();
  clock.counter += 20000;
  timer.Tick();
  EXPECT_EQ(timer.delta(), 1.0f / 64.0f);
}
