#pragma once

#include <optional>
#include <vector>

#include "display_mode_choice.h"

// A rectangle in virtual-screen pixels; right and bottom are one past the last pixel.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

// Where one monitor lies in the renderer's window, as an OpenGL viewport (origin at the window's
// bottom left), and the width / height its perspective is made for.
struct MonitorView {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  double aspect = 1.0;
  bool operator==(const MonitorView&) const = default;
};

// The one window that covers every monitor, and each monitor's view in it.
struct RenderLayout {
  ScreenRect window;
  std::vector<MonitorView> views;
  bool operator==(const RenderLayout&) const = default;
};

// The layout for the monitors as they are once the display mode has been chosen. With the switch
// on a single monitor (or when no monitor could be read) it is the fixed 1024 x 768 window at the
// origin; otherwise the window spans the monitors' bounding rectangle, negative coordinates
// included, with a view per monitor.
RenderLayout PlanRenderLayout(DisplayModeChoice choice, const std::vector<ScreenRect>& monitors);

// The layout to take when the monitors have changed during a run: each monitor covered where it
// now lies, whatever the run's choice, since a monitor left after a change has its own mode.
// Nothing when the window and its views stay as they are: the same layout (the notice of the
// renderer's own switch, or of a change elsewhere), or monitors that could not be read, which
// must not shrink a window over several monitors to the fixed one.
std::optional<RenderLayout> ReplanRenderLayout(const std::vector<ScreenRect>& monitors,
                                               const RenderLayout& current);

// The renderer's fixed window and display mode.
constexpr int kRenderWidth = 1024;
constexpr int kRenderHeight = 768;
