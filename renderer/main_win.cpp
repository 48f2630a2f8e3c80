// The renderer program: one window of drifting snow over every monitor until Escape or a close
// request.
#include <windows.h>

#include <chrono>
#include <ctime>

#include "display_mode_choice.h"
#include "display_power_win.h"
#include "frame_pacer.h"
#include "frame_values.h"
#include "frame_wait_win.h"
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

// Handles every waiting message before anything else; with the queue empty it draws a frame, or
// waits for the frame's time or the next message. While the display is off it only waits for
// messages. Returns the quit message's code.
int DrawUntilQuit() {
  FramePacer pacer(systemClock, ReportedRefreshHertz());
  const FrameWait frameWait;
  const DisplayStateNotification displayState(hWnd);
  MSG message;
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageA(&message);
      continue;
    }
    if (!displaySleep.drawing()) {
      frameWait.ForMessage();
      continue;
    }
    const std::chrono::microseconds wait = pacer.TimeToWait();
    if (wait.count() > 0) {
      frameWait.ForMessageOr(wait);
      continue;
    }
    pacer.FrameBegins();
    frameTimer.Tick();
    frameTotal = frameTimer.total();
    frameDelta = frameTimer.delta();
    DrawFrame(renderLayout.views);
  }
}

// The frame wait and the display-state notification are released before the window and context
// they served.
int RunMessageLoop() {
  const int exitCode = DrawUntilQuit();
  Teardown();
  DestroyFlakes();
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR argumentText, int) {
  HWND window = CreateRenderWindow(
      kRendererWindowTitle, ReadDisplayModeChoice(argumentText != nullptr ? argumentText : ""),
      instance);
  if (window == nullptr) {
    // The display mode and the cursor were taken before the window failed; give them back.
    RestoreDisplay();
    UnregisterClassA(kRendererWindowTitle, instance);
    return kWindowCreationFailed;
  }
  InitScene(window);
  return RunMessageLoop();
}
