#include "zoom_win.h"

#include "host_state.h"

namespace {

RECT ZoomPoint() { return {ZoomX, ZoomY, ZoomX, ZoomY}; }

RECT ScreenRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

// The animation is decoration: a failure to play it changes nothing and is not recorded.
void ZoomOpen(HWND window) {
  const RECT from = ZoomPoint();
  const RECT to = ScreenRectOf(window);
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomClose(HWND window) {
  const RECT from = ScreenRectOf(window);
  const RECT to = ZoomPoint();
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}
