#include <gtest/gtest.h>

#include <optional>

#include "host_state.h"
#include "saver/saver_run.h"

TEST(RendererWatch, SlowWindowKeepsTheRunUntilTheRendererEnds) {
  RendererWatch watch;
  // Still switching the display: no window yet, process alive.
  EXPECT_FALSE(watch.RunIsOver(false, true));
  EXPECT_FALSE(watch.RunIsOver(false, true));
  EXPECT_FALSE(watch.RunIsOver(true, true));
  // Once seen, the window's disappearance ends the run even while the process lingers.
  EXPECT_TRUE(watch.RunIsOver(false, true));
}

TEST(RendererWatch, RendererThatEndsWithoutAWindowEndsTheRun) {
  RendererWatch watch;
  EXPECT_TRUE(watch.RunIsOver(false, false));
  RendererWatch neverStarted;
  EXPECT_TRUE(neverStarted.RunIsOver(false, false));
  RendererWatch ended;
  EXPECT_FALSE(ended.RunIsOver(true, true));
  EXPECT_TRUE(ended.RunIsOver(false, false));
}

// Only a renderer that ended on its own, with 0, gave the display its mode back itself.
TEST(SaverRun, ModesAreGivenBackAfterARendererThatDiedInASwitchedRun) {
  struct Case {
    std::int16_t resolutionSwitch;
    std::optional<std::uint32_t> exitCode;
    bool giveBack;
  };
  const Case cases[] = {
      {kSwitchDisplayMode, 0xC0000005u, true},  // a crash
      {kSwitchDisplayMode, 1u, true},           // ended from outside
      {-1, 1u, true},                           // any value but 0 switches
      {kSwitchDisplayMode, 0u, false},
      {kSwitchDisplayMode, std::nullopt, false},  // still in its teardown, or never started
      {kKeepDisplayModes, 1u, false},
  };
  for (const Case& c : cases) {
    int asked = 0;
    const auto exitCode = [&] {
      ++asked;
      return c.exitCode;
    };
    EXPECT_EQ(DisplayModesLeftSwitched(c.resolutionSwitch, exitCode), c.giveBack)
        << c.resolutionSwitch << " " << c.exitCode.value_or(12345);
    EXPECT_EQ(asked, c.resolutionSwitch == kKeepDisplayModes ? 0 : 1);
  }
}
