#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host_state.h"

// The decisions of a full-screen saver run, apart from the windows and devices that carry them.

// The argument text the renderer is started with: the keep-mode argument when the settings keep
// every monitor's mode, nothing when the primary display is to be switched.
std::wstring RendererArgumentText(std::int16_t resolutionSwitch);

// Watches for the renderer's window. The renderer switches the display mode before it opens its
// window, which can take seconds on real monitors; until the window has been seen, only the
// renderer process having ended means the run is over.
class RendererWatch {
 public:
  // Whether the run is over, given one look for the window and at the process.
  bool RunIsOver(bool windowFound, bool rendererRunning);

 private:
  bool windowSeen_ = false;
};

// Whether the end of the run must give every display its stored mode back: the renderer was to
// switch the primary display and its process ended without its own teardown, which exits with 0
// (a crash, or ended from outside). Nothing is known of a renderer that still runs or never
// started: one that still runs is in its teardown. One that could not make its window exits with
// 1 after its teardown; giving the stored modes back once more changes nothing then.
// The exit code is asked for only in a run that switched: asking may wait for the renderer's
// teardown, which a run that kept the modes has no need to.
template <typename RendererExitCode>
bool DisplayModesLeftSwitched(std::int16_t resolutionSwitch, RendererExitCode rendererExitCode) {
  if (resolutionSwitch == kKeepDisplayModes) return false;
  const std::optional<std::uint32_t> code = rendererExitCode();
  return code && *code != 0;
}
