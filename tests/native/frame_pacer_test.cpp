#include "frame_pacer.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "fake_clock.h"

namespace {

using std::chrono::microseconds;

// A 1 MHz counter: one tick is one microsecond. A reported 59 Hz is paced at 60 frames a
// second, so frames are due every 16666.67 ticks.
constexpr std::uint32_t kReported59Hz = 59;
constexpr std::int64_t kStart = 5000000;

struct PacedClock {
  explicit PacedClock(std::uint32_t reportedHertz) : pacer(clock, reportedHertz) {}
  FakeClock clock{};
  FramePacer pacer;
};

TEST(FramePacer, HoldsAFrameBackOnlyForWhatIsLeftOfItsPeriod) {
  struct Case {
    std::int64_t frameTicks;
    std::int64_t waitMicroseconds;
  };
  const Case cases[] = {{0, 16666}, {4000, 12666}, {16665, 1}, {16666, 0}, {20000, 0}, {500000, 0}};
  for (const Case& c : cases) {
    PacedClock paced(kReported59Hz);
    paced.clock.counter = kStart;
    EXPECT_EQ(paced.pacer.TimeToWait(), microseconds(0)) << "before the first frame";
    paced.pacer.FrameBegins();
    paced.clock.counter += c.frameTicks;
    EXPECT_EQ(paced.pacer.TimeToWait(), microseconds(c.waitMicroseconds))
        << "frame of " << c.frameTicks << " ticks";
  }
}

// Frames stay on a grid of periods: lateness up to a period is taken from the next wait, and
// only a frame a whole period late starts the grid anew instead of hurrying the ones after it.
TEST(FramePacer, KeepsFramesOnTheGridUntilOneIsAWholePeriodLate) {
  struct Case {
    const char* what;
    std::int64_t firstFrameTicks;  // from its start to the start of the second frame
    std::int64_t waitAfterQuickSecondFrame;
  };
  const Case cases[] = {
      {"woken 700 us late", 16666 + 700, 33333 - (17366 + 4000)},
      {"first frame 1.2 periods long", 20000, 33333 - 24000},
      {"first frame 2.5 periods long", 41666, 16666 - 4000},
  };
  for (const Case& c : cases) {
    PacedClock paced(kReported59Hz);
    paced.clock.counter = kStart;
    paced.pacer.FrameBegins();
    paced.clock.counter += c.firstFrameTicks;
    paced.pacer.FrameBegins();
    paced.clock.counter += 4000;
    EXPECT_EQ(paced.pacer.TimeToWait(), microseconds(c.waitAfterQuickSecondFrame)) << c.what;
  }
}

// A loop that wakes a little late every time still shows exactly one frame per period: ten
// seconds at 60 frames a second are 600 frames, not the 590 of a pacer that counts from the
// start of each frame.
TEST(FramePacer, LateWakesDoNotLowerTheFrameRate) {
  PacedClock paced(kReported59Hz);
  paced.clock.counter = kStart;
  int frames = 0;
  while (paced.clock.counter < kStart + 10000000) {
    paced.pacer.FrameBegins();
    ++frames;
    paced.clock.counter += 3000;                                    // drawing
    paced.clock.counter += paced.pacer.TimeToWait().count() + 300;  // the wait, woken late
  }
  EXPECT_EQ(frames, 600);
}

TEST(FramePacer, PacesOneFrameASecondAboveTheReportedRateAndSixtyHertzWhenNoneIsUsable) {
  struct Case {
    std::uint32_t reportedHertz;
    std::int64_t periodMicroseconds;
  };
  const Case cases[] = {
      {0, 16393},  {1, 16393},  {23, 16393}, {60, 16393},   {59, 16666},
      {24, 40000}, {144, 6896}, {1000, 999}, {1001, 16393}, {0xFFFFFFFFu, 16393},
  };
  for (const Case& c : cases) {
    PacedClock paced(c.reportedHertz);
    paced.pacer.FrameBegins();
    EXPECT_EQ(paced.pacer.TimeToWait(), microseconds(c.periodMicroseconds))
        << "reported " << c.reportedHertz << " Hz";
  }
}

TEST(FramePacer, WithoutCounterPacesByMillisecondsAndSurvivesTheirWrap) {
  FakeClock clock;
  clock.hasCounter = false;
  FramePacer pacer(clock, kReported59Hz);
  clock.milliseconds = 0xFFFFFFFFu - 6;
  pacer.FrameBegins();
  clock.milliseconds += 4;
  EXPECT_EQ(pacer.TimeToWait(), microseconds(12000));
  // Past the wrap the clock reads far less than when the frame began: waiting out the
  // difference would stop the snow for 49 days.
  clock.milliseconds += 8;
  EXPECT_EQ(pacer.TimeToWait(), microseconds(0));
  pacer.FrameBegins();
  EXPECT_EQ(pacer.TimeToWait(), microseconds(16000));
}

}  // namespace
