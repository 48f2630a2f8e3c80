#pragma once

#include <windows.h>

// The system's window-zoom animation between the zoom point (ZoomX, ZoomY) and the window's
// screen rectangle: outwards as a window opens, inwards as it closes.
void ZoomOpen(HWND window);
void ZoomClose(HWND window);
