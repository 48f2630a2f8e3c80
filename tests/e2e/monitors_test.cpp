// A saver run on a desktop of two monitors side by side (1280 x 1024 primary, 1024 x 768 to its
// right): every monitor covered, the primary's mode switched and given back or, with the
// setting, every mode kept, and no drawing while the display is off.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "display_mode.h"
#include "file_bytes.h"
#include "program_folder.h"
#include "rects.h"
#include "red_window.h"
#include "scoped_handle_win.h"
#include "screen_capture.h"
#include "shipped_names.h"
#include "snow_census.h"
#include "user_input.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = 20s;
constexpr auto kSnowTimeout = 15s;
constexpr auto kExitTimeout = 10s;
constexpr RECT kSwitchedPrimary{0, 0, 1024, 768};
// The display comes back lit within a few frames, not after a catch-up.
constexpr auto kWakeBound = 1000ms;
// Far under the 2 s a wait for a window manager's answer would add to the teardown.
constexpr auto kWindowGoneBound = 500ms;
// A loop that only waits for messages; one that polls would take a good part of a core.
constexpr double kMostCoresWhileDark = 0.05;

bool IsLitGrey(ScreenImage::Pixel p) { return p.r != 0 && p.r == p.g && p.g == p.b; }

// Snow reaches every edge when each outer eighth of the picture has lit flake pixels in it.
bool LitNearEveryEdge(const ScreenImage& image) {
  const int w = image.width();
  const int h = image.height();
  const RECT eighths[] = {
      {0, 0, w / 8, h}, {w - w / 8, 0, w, h}, {0, 0, w, h / 8}, {0, h - h / 8, w, h}};
  return std::all_of(std::begin(eighths), std::end(eighths),
                     [&](const RECT& edge) { return image.CountIn(edge, IsLitGrey) > 0; });
}

// The whole monitor shows the red window.
bool ShowsRed(const RECT& monitor) {
  const std::optional<ScreenImage> image = CaptureScreenArea(monitor);
  return image && TakeSnowCensus(*image).coloured == image->width() * image->height();
}

class MonitorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    monitorsBefore_ = MonitorRects();
    ASSERT_GE(monitorsBefore_.size(), 2u)
        << "needs the two-monitor server; monitors: " << Describe(monitorsBefore_);
    ASSERT_TRUE(folder_.created());
    ASSERT_EQ(folder_.Install(kHostFile), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(folder_.Install(kRendererFile), static_cast<DWORD>(ERROR_SUCCESS));
  }

  void TearDown() override {
    if (renderer_ != nullptr && IsWindow(renderer_)) PostMessageW(renderer_, WM_CLOSE, 0, 0);
    if (host_.Running() && !host_.WaitForExit(5000ms)) RestoreStoredDisplayMode();
  }

  // Starts the saver as Windows does and waits for the renderer's window and the first snow on
  // the primary monitor; prints how long that took.
  void StartSaver(const char* what) {
    const Clock::time_point start = Clock::now();
    host_ = ChildProcess::Start(folder_.PathOf(kHostFile), L"/s", folder_.path());
    ASSERT_TRUE(host_.started()) << "CreateProcessW failed with " << host_.startError();
    renderer_ =
        WaitForTopLevelWindow(kRendererWindow, kRendererWindow, 0,
                              std::chrono::duration_cast<std::chrono::milliseconds>(kStartTimeout));
    ASSERT_NE(renderer_, nullptr) << "no renderer window";
    ASSERT_TRUE(PollUntil(kStartTimeout, [] {
      const std::optional<ScreenImage> screen = CaptureScreen();
      return screen && TakeSnowCensus(*screen).grey > 0;
    })) << "no snow on the primary monitor";
    PrintElapsed(std::string(what) + ": start of /s to the first snow on screen", start);
  }

  // Snow on the monitor, as it is now, within the timeout; what it showed instead otherwise.
  ::testing::AssertionResult SnowOn(const RECT& monitor, bool edgeToEdge) const {
    std::string seen = "nothing readable";
    const bool shown = PollUntil(kSnowTimeout, [&] {
      const std::optional<ScreenImage> image = CaptureScreenArea(monitor);
      if (!image) return false;
      const SnowCensus census = TakeSnowCensus(*image);
      seen = Describe(census);
      return ShowsSnow(census) && (!edgeToEdge || LitNearEveryEdge(*image));
    });
    if (shown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "monitor " << Describe({monitor}) << ": " << seen;
  }

  // Escape takes the renderer's window away at once, and the run ends.
  // The monitors settle into `expected`; the renderer's window then lies over their bounding
  // rectangle, and each shows snow edge to edge.
  void ExpectWindowOverMonitors(const std::vector<RECT>& expected) {
    std::vector<RECT> now;
    ASSERT_TRUE(PollUntil(5s,
                          [&] {
                            now = MonitorRects();
                            return SameRects(now, expected);
                          }))
        << "expected " << Describe(expected) << ", monitors " << Describe(now);
    RECT window{};
    EXPECT_TRUE(PollUntil(5s,
                          [&] {
                            return GetWindowRect(renderer_, &window) &&
                                   SameRect(window, BoundingRect(expected));
                          }))
        << "window " << Describe({window}) << " over " << Describe(expected);
    for (const RECT& monitor : expected) EXPECT_TRUE(SnowOn(monitor, true));
  }

  // Every monitor back in its mode and the other program's window, on the second, shown again.
  void ExpectDesktopAsBefore(const RECT& second) {
    std::vector<RECT> after;
    EXPECT_TRUE(PollUntil(5s,
                          [&] {
                            after = MonitorRects();
                            return SameRects(after, monitorsBefore_);
                          }))
        << "before " << Describe(monitorsBefore_) << ", after " << Describe(after);
    EXPECT_TRUE(PollUntil(5s, [&] { return ShowsRed(second); }))
        << "the other program's window did not come back";
  }

  void EndWithEscape() {
    ASSERT_TRUE(PressKeyOnceInFront(renderer_, VK_ESCAPE))
        << "the renderer's window is not in front";
    const Clock::time_point pressed = Clock::now();
    EXPECT_TRUE(PollUntil(
        kWindowGoneBound, [&] { return !IsWindow(renderer_); }, 5ms))
        << "the renderer's window outlived Escape by more than " << kWindowGoneBound.count()
        << " ms";
    PrintElapsed("Escape to the renderer's window gone", pressed);
    ASSERT_TRUE(
        host_.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kExitTimeout))
            .has_value())
        << "the run did not end";
  }

  std::vector<RECT> monitorsBefore_;
  ProgramFolder folder_;
  ChildProcess host_;
  HWND renderer_ = nullptr;
};

TEST_F(MonitorsTest, SwitchedRunCoversTheSecondMonitorAndGivesTheModesBack) {
  ASSERT_FALSE(SameRect(monitorsBefore_[0], kSwitchedPrimary))
      << "the primary is already at the switched size: " << Describe(monitorsBefore_);
  const RECT second = monitorsBefore_[1];
  const RedWindow other(second);
  ASSERT_TRUE(PollUntil(5s, [&] { return ShowsRed(second); }))
      << "the other program's window is not on the second monitor";

  StartSaver("switched");
  std::vector<RECT> running;
  EXPECT_TRUE(PollUntil(kStartTimeout,
                        [&] {
                          running = MonitorRects();
                          return running.size() == monitorsBefore_.size() &&
                                 SameRect(running[0], kSwitchedPrimary);
                        }))
      << "monitors while running: " << Describe(running);
  ASSERT_EQ(running.size(), monitorsBefore_.size());
  RECT window{};
  ASSERT_TRUE(GetWindowRect(renderer_, &window));
  EXPECT_TRUE(SameRect(window, {0, 0, running[1].right, kSwitchedPrimary.bottom}))
      << "window " << Describe({window}) << " over " << Describe(running);
  for (const RECT& monitor : running) EXPECT_TRUE(SnowOn(monitor, false));

  EndWithEscape();
  ExpectDesktopAsBefore(second);
}

// A renderer ended from outside (a crash, the task list) never runs its own teardown: the host
// gives the desktop its modes back and ends, while another program goes on.
TEST_F(MonitorsTest, RendererEndedFromOutsideLeavesTheDesktopAsItWas) {
  const RECT second = monitorsBefore_[1];
  const RedWindow other(second);
  StartSaver("renderer ended from outside");
  ASSERT_TRUE(PollUntil(kStartTimeout, [] {
    return SameRect(MonitorRects()[0], kSwitchedPrimary);
  })) << "the primary was not switched";
  DWORD rendererId = 0;
  GetWindowThreadProcessId(renderer_, &rendererId);
  const ScopedHandle renderer(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, rendererId));
  ASSERT_TRUE(renderer.valid());
  ASSERT_TRUE(TerminateProcess(renderer.get(), 1));
  ASSERT_EQ(WaitForSingleObject(renderer.get(), 5000), WAIT_OBJECT_0);
  const Clock::time_point ended = Clock::now();
  ASSERT_TRUE(host_.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kExitTimeout))
                  .has_value())
      << "the host did not end";
  PrintElapsed("renderer ended to the host's end", ended);
  ExpectDesktopAsBefore(second);
  PrintElapsed("renderer ended to the desktop as it was", ended);
}

TEST_F(MonitorsTest, KeptModesShowSnowEdgeToEdgeOnEveryMonitor) {
  WriteFileBytes(folder_.PathOf(kSettingsFile), kKeepModesSettings);
  StartSaver("modes kept");
  ExpectWindowOverMonitors(monitorsBefore_);

  // Another program changes the primary's mode during the run, then gives it back: the window
  // follows the monitors both times, and the next frames fill their new views.
  ASSERT_TRUE(ChangeDisplaySizeForNow(kSwitchedPrimary.right, kSwitchedPrimary.bottom));
  const RECT movedSecond{
      kSwitchedPrimary.right, monitorsBefore_[1].top,
      kSwitchedPrimary.right + monitorsBefore_[1].right - monitorsBefore_[1].left,
      monitorsBefore_[1].bottom};
  ExpectWindowOverMonitors({kSwitchedPrimary, movedSecond});
  RestoreStoredDisplayMode();
  ExpectWindowOverMonitors(monitorsBefore_);

  EndWithEscape();
  EXPECT_TRUE(SameRects(MonitorRects(), monitorsBefore_));
}

// The system turns the display off and on with a monitor-power command to the top window: the
// picture stands still and the renderer's loop is idle while dark, and the snow moves again as
// soon as the display is back.
TEST_F(MonitorsTest, NothingIsDrawnWhileTheDisplayIsOff) {
  StartSaver("display sleep");
  // The window's thread runs the renderer's message loop: its time is what a loop that polls
  // would cost.
  const ScopedHandle loopThread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE,
                                           GetWindowThreadProcessId(renderer_, nullptr)));
  ASSERT_TRUE(loopThread.valid());
  const auto loopTime = [&] {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(loopThread.get(), &created, &exited, &kernel, &user)) return 0ULL;
    return (ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}).QuadPart +
           (ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}).QuadPart;
  };
  const ULONGLONG drawingFrom = loopTime();
  Sleep(1000);
  const double drawingCores = static_cast<double>(loopTime() - drawingFrom) / 1e7;
  std::printf("renderer loop thread while drawing: %.3f of a core\n", drawingCores);

  ASSERT_TRUE(PostMessageW(renderer_, WM_SYSCOMMAND, SC_MONITORPOWER, 2));
  std::optional<ScreenImage> still;
  ASSERT_TRUE(PollUntil(5s, [&] {
    std::optional<ScreenImage> earlier = CaptureScreen();
    Sleep(300);
    still = CaptureScreen();
    return earlier && still && still->CountDifferences(*earlier) == 0;
  })) << "the snow kept moving with the display off";

  const ULONGLONG cpuBefore = loopTime();
  const Clock::time_point darkFrom = Clock::now();
  EXPECT_TRUE(HoldsThroughout(3s, [&] {
    const std::optional<ScreenImage> image = CaptureScreen();
    return image && image->CountDifferences(*still) == 0;
  })) << "a frame was drawn with the display off";
  const double dark = std::chrono::duration<double>(Clock::now() - darkFrom).count();
  const double cores = static_cast<double>(loopTime() - cpuBefore) / 1e7 / dark;
  std::printf("renderer loop thread while dark: %.3f of a core over %.1f s\n", cores, dark);
  // A system that keeps no time for another process's thread shows 0 either way.
  if (drawingCores > 0.0) {
    EXPECT_LT(cores, kMostCoresWhileDark);
  }

  const Clock::time_point on = Clock::now();
  ASSERT_TRUE(PostMessageW(renderer_, WM_SYSCOMMAND, SC_MONITORPOWER, static_cast<LPARAM>(-1)));
  ASSERT_TRUE(PollUntil(
      5s,
      [&] {
        const std::optional<ScreenImage> image = CaptureScreen();
        return image && image->CountDifferences(*still) > 0;
      },
      5ms))
      << "the snow did not move again";
  EXPECT_LT(PrintElapsed("display on to moving snow", on), kWakeBound);
  const std::optional<ScreenImage> later = CaptureScreen();
  ASSERT_TRUE(later.has_value());
  EXPECT_TRUE(ShowsSnow(TakeSnowCensus(*later)));
  EndWithEscape();
}

}  // namespace
