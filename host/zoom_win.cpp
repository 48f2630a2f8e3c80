#include "zoom.h"

#include "host_state.h"

namespace {

// The animation is decoration: a failure to play it changes nothing and is not recorded.
void Zoom(HWND window, bool opening) {
  RECT windowRect = {};
  GetWindowRect(window, &windowRect);
  const RECT point = {ZoomX, ZoomY, ZoomX, ZoomY};
  DrawAnimatedRects(window, IDANI_CAPTION, opening ? &point : &windowRect,
                    opening ? &windowRect : &point);
}

}  // namespace

void ZoomOpen(HWND window) { Zoom(window, true); }

void ZoomClose(HWND window) { Zoom(window, false); }
