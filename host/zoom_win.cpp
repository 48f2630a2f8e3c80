#include "zoom_win.h"

namespace {

RECT PointRect(ZoomPoint point) { return {point.ZoomX, point.ZoomY, point.ZoomX, point.ZoomY}; }

RECT ScreenRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

// The animation is decoration: a failure to play it changes nothing and is not recorded.
void ZoomOpen(HWND window, ZoomPoint point) {
  const RECT from = PointRect(point);
  const RECT to = ScreenRectOf(window);
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(HWND window, ZoomPoint point) {
  const RECT from = ScreenRectOf(window);
  const RECT to = PointRect(point);
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}
