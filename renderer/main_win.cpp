// The renderer program: one full-screen window of drifting snow until Escape or a close request.
#include <windows.h>

#include <ctime>

#include "frame_values.h"
#include "gl_context.h"
#include "random.h"
#include "render_frame.h"
#include "render_window.h"
#include "renderer_state.h"
#include "snow_batch.h"
#include "system_clock.h"
#include "texture.h"

namespace {

constexpr int kWindowCreationFailed = 1;

const SystemClock systemClock;

void InitScene(HWND window) {
  SeedRandom(static_cast<unsigned int>(std::time(nullptr)));
  hWnd = window;
  GetClientRect(hWnd, &clientRect);
  InitGLContext(clientRect.right, clientRect.bottom);
  LoadTextures();
  InitFlakes(systemClock);
  InitRenderState();
}

// Draws whenever the queue is empty, so the frame rate is bounded only by the driver.
int RunMessageLoop() {
  MSG message;
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) break;
      TranslateMessage(&message);
      DispatchMessageA(&message);
      continue;
    }
    frameTimer.Tick();
    frameTotal = frameTimer.total();
    frameDelta = frameTimer.delta();
    DrawFrame();
  }
  Teardown();
  DestroyFlakes();
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND window = CreateRenderWindow(kRendererWindowTitle, kRenderWidth, kRenderHeight, 0,
                                   kFullScreen, instance);
  if (window == nullptr) {
    // The display mode and the cursor were taken before the window failed; give them back.
    RestoreDisplay();
    UnregisterClassA(kRendererWindowTitle, instance);
    return kWindowCreationFailed;
  }
  InitScene(window);
  return RunMessageLoop();
}
