#include "display_sleep.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fake_clock.h"

namespace {

// A 1 MHz counter: one tick is one microsecond.
constexpr std::int64_t kSecond = 1000000;

// kOff and kOn are the console display state; a request is a monitor-power command.
enum class Step { kTick, kOff, kOn, kRequestOff };

struct Event {
  double at;  // seconds on the clock
  Step step;
};

struct SleepCase {
  const char* what;
  std::vector<Event> events;  // ends with a tick
  float total;                // after the last tick
  float delta;
};

// Frames at 0.1 and 0.2 s, then whatever the case does; the total leaves out every dark span.
const SleepCase kSleeps[] = {
    {"no sleep", {{0.3, Step::kTick}}, 0.3f, 0.1f},
    {"ten dark seconds", {{0.25, Step::kOff}, {10.25, Step::kOn}, {10.3, Step::kTick}}, 0.3f, 0.1f},
    {"off reported twice",
     {{0.25, Step::kOff}, {5.0, Step::kOff}, {10.25, Step::kOn}, {10.3, Step::kTick}},
     0.3f,
     0.1f},
    {"on without off", {{0.25, Step::kOn}, {0.3, Step::kTick}}, 0.3f, 0.1f},
    {"two sleeps",
     {{0.2, Step::kOff},
      {3.2, Step::kOn},
      {3.3, Step::kTick},
      {3.3, Step::kOff},
      {60.3, Step::kOn},
      {60.35, Step::kTick}},
     0.35f,
     0.05f},
    {"a request counts until the console state comes, then is ignored",
     {{0.21, Step::kRequestOff}, {1.21, Step::kOn}, {1.25, Step::kRequestOff}, {1.3, Step::kTick}},
     0.3f,
     0.1f},
};

TEST(DisplaySleep, TheTimerLeavesOutTheDarkTime) {
  for (const SleepCase& c : kSleeps) {
    SCOPED_TRACE(c.what);
    FakeClock clock;
    FrameTimer timer;
    timer.Start(clock);
    DisplaySleep sleep(timer);
    const auto at = [&](double seconds) {
      clock.counter = static_cast<std::int64_t>(seconds * kSecond);
    };
    for (double frame : {0.1, 0.2}) {
      at(frame);
      timer.Tick();
    }
    for (const Event& event : c.events) {
      at(event.at);
      if (event.step == Step::kTick) timer.Tick();
      if (event.step == Step::kRequestOff)
        sleep.Follow(sleep.watch().ReportMonitorPowerRequest(DisplayPower::kOff));
      if (event.step == Step::kOn || event.step == Step::kOff) {
        sleep.Follow(sleep.watch().ReportConsoleState(
            event.step == Step::kOn ? DisplayPower::kOn : DisplayPower::kOff));
        EXPECT_EQ(sleep.drawing(), event.step == Step::kOn) << "at " << event.at;
      }
    }
    EXPECT_TRUE(sleep.drawing());
    EXPECT_NEAR(timer.total(), c.total, 1e-5f);
    EXPECT_NEAR(timer.delta(), c.delta, 1e-5f);
  }
}

}  // namespace
