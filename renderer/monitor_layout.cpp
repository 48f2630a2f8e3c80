#include "monitor_layout.h"

#include <algorithm>

namespace {

ScreenRect BoundingRect(const std::vector<ScreenRect>& monitors) {
  ScreenRect bounds = monitors.front();
  for (const ScreenRect& monitor : monitors) {
    bounds.left = std::min(bounds.left, monitor.left);
    bounds.top = std::min(bounds.top, monitor.top);
    bounds.right = std::max(bounds.right, monitor.right);
    bounds.bottom = std::max(bounds.bottom, monitor.bottom);
  }
  return bounds;
}

// A monitor of no height would give an infinite aspect; it counts as one pixel high, as a
// window's client area does.
MonitorView ViewOf(const ScreenRect& monitor, const ScreenRect& window) {
  const int height = std::max(monitor.height(), 1);
  return {monitor.left - window.left, window.bottom - monitor.bottom, monitor.width(), height,
          static_cast<double>(monitor.width()) / static_cast<double>(height)};
}

}  // namespace

RenderLayout PlanRenderLayout(DisplayModeChoice choice, const std::vector<ScreenRect>& monitors) {
  const bool fixedWindow =
      monitors.empty() || (choice == DisplayModeChoice::kSwitchPrimary && monitors.size() == 1);
  if (fixedWindow) {
    const ScreenRect window{0, 0, kRenderWidth, kRenderHeight};
    return {window, {ViewOf(window, window)}};
  }
  RenderLayout layout{BoundingRect(monitors), {}};
  for (const ScreenRect& monitor : monitors) layout.views.push_back(ViewOf(monitor, layout.window));
  return layout;
}

std::optional<RenderLayout> ReplanRenderLayout(const std::vector<ScreenRect>& monitors,
                                               const RenderLayout& current) {
  if (monitors.empty()) return std::nullopt;
  // The fixed window fits only the mode the renderer set at the start; a monitor left after a
  // change has a mode of its own, and the fixed window would leave the rest of it showing.
  RenderLayout next = PlanRenderLayout(DisplayModeChoice::kKeepEveryMonitor, monitors);
  if (next == current) return std::nullopt;
  return next;
}
