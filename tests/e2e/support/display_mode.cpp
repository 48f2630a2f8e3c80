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
