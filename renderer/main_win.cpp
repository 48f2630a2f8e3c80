// The renderer program: one window of drifting snow over every monitor until Escape or a close
// request.
#include <windows.h>

#include <chrono>
#include <ctime>

#include "display_mode_choice.h"
#include "display_power_win.h"
#include "frame_pacer.h"
#include "frame_wait_win.h"
#include "gl_context_win.h"
#include "random.h"
#include "render_frame.h"
#include "render_window_win.h"
#include "renderer_run_win.h"
#include "snow_batch.h"
#include "system_clock.h"
#include "texture.h"

namespace {

constexpr int kWindowCreationFailed = 1;

const SystemClock systemClock;

void InitScene(RendererRun& run) {
  SeedRandom(static_cast<unsigned int>(std::time(nullptr)));
  GetClientRect(run.hWnd->get(), &run.clientRect);
  InitGLContext(run, run.clientRect.right, run.clientRect.bottom);
  run.textureName = LoadTextures(run.showErrorBoxes);
  InitFlakes(run, systemClock);
  InitRenderState(run);
}

// Handles every waiting message before anything else; with the queue empty it draws a frame, or
// waits for the frame's time or the next message. While the display is off it only waits for
// messages. Returns the quit message's code. The frame wait and the display-state notification
// are released here, before the window and context they served.
int DrawUntilQuit(RendererRun& run) {
  FramePacer pacer(systemClock, ReportedRefreshHertz());
  const FrameWait frameWait;
  const DisplayStateNotification displayState(run.hWnd->get());
  MSG message;
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      TranslateMessage(&message);
      DispatchMessageA(&message);
      continue;
    }
    if (!run.displaySleep.drawing()) {
      frameWait.ForMessage();
      continue;
    }
    const std::chrono::microseconds wait = pacer.TimeToWait();
    if (wait.count() > 0) {
      frameWait.ForMessageOr(wait);
      continue;
    }
    pacer.FrameBegins();
    run.AdvanceFrame();
    DrawFrame(run, run.renderLayout.views);
    SwapBuffers(run.hDC->dc());
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR argumentText, int) {
  // Whatever the run took, at a failed start or after the loop, it gives back when it goes.
  RendererRun run;
  if (!CreateRenderWindow(run, kRendererWindowTitle,
                          ReadDisplayModeChoice(argumentText != nullptr ? argumentText : ""),
                          instance)) {
    return kWindowCreationFailed;
  }
  InitScene(run);
  return DrawUntilQuit(run);
}
