#include "monitors_win.h"

#include <windows.h>

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM list) {
  reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(
      {area->left, area->top, area->right, area->bottom});
  return TRUE;
}

}  // namespace

std::vector<ScreenRect> MonitorRects() {
  std::vector<ScreenRect> monitors;
  if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors))) {
    monitors.clear();
  }
  return monitors;
}
