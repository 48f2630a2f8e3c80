#include "monitor_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct LayoutCase {
  const char* what;
  DisplayModeChoice choice;
  std::vector<ScreenRect> monitors;
  ScreenRect window;
  std::vector<MonitorView> views;
};

constexpr auto kSwitch = DisplayModeChoice::kSwitchPrimary;
constexpr auto kKeep = DisplayModeChoice::kKeepEveryMonitor;

// Views are OpenGL viewports: y counts up from the window's bottom edge.
const LayoutCase kLayouts[] = {
    {"one monitor, switched: the fixed window",
     kSwitch,
     {{0, 0, 1280, 1024}},
     {0, 0, 1024, 768},
     {{0, 0, 1024, 768, 4.0 / 3.0}}},
    {"no monitor read", kKeep, {}, {0, 0, 1024, 768}, {{0, 0, 1024, 768, 4.0 / 3.0}}},
    {"side by side after the switch",
     kSwitch,
     {{0, 0, 1024, 768}, {1024, 0, 2048, 768}},
     {0, 0, 2048, 768},
     {{0, 0, 1024, 768, 4.0 / 3.0}, {1024, 0, 1024, 768, 4.0 / 3.0}}},
    {"side by side, different heights",
     kKeep,
     {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}},
     {0, 0, 2304, 1024},
     {{0, 0, 1280, 1024, 1.25}, {1280, 256, 1024, 768, 4.0 / 3.0}}},
    {"second monitor left of and above the primary",
     kKeep,
     {{0, 0, 1280, 1024}, {-1920, -200, 0, 880}},
     {-1920, -200, 1280, 1024},
     {{1920, 0, 1280, 1024, 1.25}, {0, 144, 1920, 1080, 16.0 / 9.0}}},
    {"portrait beside landscape",
     kKeep,
     {{0, 0, 1080, 1920}, {1080, 0, 3000, 1080}},
     {0, 0, 3000, 1920},
     {{0, 0, 1080, 1920, 0.5625}, {1080, 840, 1920, 1080, 16.0 / 9.0}}},
    {"monitor below the primary",
     kSwitch,
     {{0, 0, 1024, 768}, {0, 768, 800, 1368}},
     {0, 0, 1024, 1368},
     {{0, 600, 1024, 768, 4.0 / 3.0}, {0, 0, 800, 600, 4.0 / 3.0}}},
};

TEST(MonitorLayout, OneWindowOverTheMonitorsWithAViewAndAspectEach) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.what);
    const RenderLayout layout = PlanRenderLayout(c.choice, c.monitors);
    EXPECT_EQ(layout.window, c.window);
    EXPECT_EQ(layout.views, c.views);
  }
}

// The run started on `before`; the monitors are now `after`. A window of nothing means the
// window and its views stay.
TEST(MonitorLayout, ChangedMonitorsMoveTheWindowOnlyWhenTheLayoutChanges) {
  const ScreenRect primary{0, 0, 1280, 1024};
  const ScreenRect right{1280, 0, 2304, 768};
  const ScreenRect switchedPrimary{0, 0, 1024, 768};
  const ScreenRect movedRight{1024, 0, 2048, 768};
  const struct {
    const char* what;
    DisplayModeChoice choice;
    std::vector<ScreenRect> before, after;
    std::optional<ScreenRect> window;
    std::size_t views;
  } cases[] = {
      {"the renderer's own switch, noticed late",
       kSwitch,
       {switchedPrimary, movedRight},
       {switchedPrimary, movedRight},
       std::nullopt,
       0},
      {"another program switches the primary",
       kKeep,
       {primary, right},
       {switchedPrimary, movedRight},
       ScreenRect{0, 0, 2048, 768},
       2},
      {"a monitor unplugged", kKeep, {primary, right}, {primary}, primary, 1},
      {"the second monitor gone, switched: the primary as switched",
       kSwitch,
       {switchedPrimary, movedRight},
       {switchedPrimary},
       switchedPrimary,
       1},
      {"a monitor plugged in beside the fixed window",
       kSwitch,
       {primary},
       {switchedPrimary, movedRight},
       ScreenRect{0, 0, 2048, 768},
       2},
      {"another program changes the mode under the fixed window",
       kSwitch,
       {switchedPrimary},
       {primary},
       primary,
       1},
      {"the primary unplugged, switched: the monitor left in its own mode",
       kSwitch,
       {switchedPrimary, movedRight},
       {{0, 0, 1920, 1080}},
       ScreenRect{0, 0, 1920, 1080},
       1},
      {"monitors unreadable for a moment", kKeep, {primary, right}, {}, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<RenderLayout> next =
        ReplanRenderLayout(c.after, PlanRenderLayout(c.choice, c.before));
    ASSERT_EQ(next.has_value(), c.window.has_value());
    if (!next) continue;
    EXPECT_EQ(next->window, *c.window);
    EXPECT_EQ(next->views.size(), c.views);
  }
}

TEST(DisplayModeChoice, OnlyTheKeepModeWordKeepsTheModes) {
  const struct {
    const char* arguments;
    DisplayModeChoice choice;
  } cases[] = {
      {"", kSwitch},           {"  /KeepMode\t", kKeep}, {"/x /keepmode", kKeep},
      {"/keepmodes", kSwitch}, {"/keep mode", kSwitch},  {"/x/keepmode", kSwitch},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadDisplayModeChoice(c.arguments), c.choice) << '"' << c.arguments << '"';
  }
}

// A display that takes only the requests in takes, noting every request.
struct RefusingDisplay final : DisplayModePort {
  explicit RefusingDisplay(std::vector<ModeRequest> taken) : takes(std::move(taken)) {}
  bool Request(ModeRequest request) override {
    asked.push_back(request);
    return std::find(takes.begin(), takes.end(), request) != takes.end();
  }
  std::vector<ModeRequest> takes, asked;
};

TEST(DisplayModeSwitch, TriesAsItIsThenTheSizeAloneThenKeepsTheModes) {
  constexpr auto kAsItIs = ModeRequest::kAsItIs;
  constexpr auto kSizeAlone = ModeRequest::kSizeAlone;
  const struct {
    const char* what;
    DisplayModeChoice choice;
    std::vector<ModeRequest> takes;
    std::vector<ModeRequest> asked;
    DisplayModeOutcome outcome;
  } cases[] = {
      {"kept by the setting", kKeep, {}, {}, {kKeep, false}},
      {"taken as it is", kSwitch, {kAsItIs, kSizeAlone}, {kAsItIs}, {kSwitch, true}},
      {"taken by size alone", kSwitch, {kSizeAlone}, {kAsItIs, kSizeAlone}, {kSwitch, true}},
      // The modes are kept, and the stored mode still given back at the end.
      {"refused twice", kSwitch, {}, {kAsItIs, kSizeAlone}, {kKeep, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RefusingDisplay display(c.takes);
    EXPECT_EQ(SwitchDisplayMode(c.choice, display), c.outcome);
    EXPECT_EQ(display.asked, c.asked);
  }
}

}  // namespace
