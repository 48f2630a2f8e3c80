#pragma once

#include <windows.h>

#include <cstdint>

// The screen point, in pixels, from and to which a window's zoom animation runs.
struct ZoomPoint {
  std::int16_t ZoomX = 0;
  std::int16_t ZoomY = 0;
};

// The system's window-zoom animation between the zoom point and the window's screen rectangle:
// outwards as a window opens, inwards as it closes.
void ZoomOpen(HWND window, ZoomPoint point);
void ZoomClose(HWND window, ZoomPoint point);
