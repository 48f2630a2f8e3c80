#include "display_mode.h"

std::optional<DisplayMode> QueryDisplayMode(DWORD which) {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  if (!EnumDisplaySettingsW(nullptr, which, &mode)) return std::nullopt;
  return DisplayMode{mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel};
}

bool ChangeDisplaySizeForNow(DWORD width, DWORD height) {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  return ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

void RestoreStoredDisplayMode() { ChangeDisplaySettingsW(nullptr, 0); }

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& rects = *reinterpret_cast<std::vector<RECT>*>(list);
  const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  rects.insert(primary ? rects.begin() : rects.end(), info.rcMonitor);
  return TRUE;
}

}  // namespace

std::vector<RECT> MonitorRects() {
  std::vector<RECT> rects;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
  return rects;
}
