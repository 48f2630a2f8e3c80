#pragma once

#include <windows.h>

// The dots per inch a window is laid out for, and the system's sizes at a given resolution. The
// per-monitor calls came with Windows 10; where they are missing, the system's one resolution
// serves every monitor.

// A rectangle of a 96-dpi layout at dpi, each edge scaled.
RECT ScaledRect(const RECT& design, int dpi);

// The dots per inch of the monitor the window is on.
int WindowDpi(HWND window);

// A system metric (SM_CXICON, SM_CXCURSOR...) as it is at the given dots per inch.
int SystemMetricForDpi(int index, int dpi);

// The size of a window with this style whose client area has the given size, at dpi.
SIZE WindowSizeForClient(SIZE client, DWORD style, int dpi);

// The awareness of monitor resolutions a window was made with; null where the system cannot
// tell.
DPI_AWARENESS_CONTEXT WindowDpiAwareness(HWND window);
// Sets the awareness the windows this thread makes from now get; returns the one it had, null
// where it cannot be set.
DPI_AWARENESS_CONTEXT SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT awareness);
