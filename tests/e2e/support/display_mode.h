#pragma once

#include <windows.h>

#include <optional>
#include <vector>

// The parts of a display mode a full-screen program changes and must give back.
struct DisplayMode {
  DWORD width = 0;
  DWORD height = 0;
  DWORD bitsPerPixel = 0;
  bool operator==(const DisplayMode&) const = default;
};

// The primary display's mode now (ENUM_CURRENT_SETTINGS) or as stored for it
// (ENUM_REGISTRY_SETTINGS); nothing if the display cannot be queried.
std::optional<DisplayMode> QueryDisplayMode(DWORD which = ENUM_CURRENT_SETTINGS);

// Switches the primary display to another size for now only, keeping the depth; nothing is
// stored, so RestoreStoredDisplayMode (or the end of the session) undoes it. False when the
// display refuses the size.
bool ChangeDisplaySizeForNow(DWORD width, DWORD height);

// Puts the primary display back into its stored mode.
void RestoreStoredDisplayMode();

// Every monitor's rectangle on the virtual screen, the primary first. NOTE: while another
// process's full-screen switch is in force, some systems still report the old mode for the
// display; the rectangles follow the real one.
std::vector<RECT> MonitorRects();
