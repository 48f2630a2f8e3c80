#pragma once

#include <windows.h>

#include <optional>

#include "gl_context_win.h"
#include "render_window_win.h"
#include "renderer_state.h"
#include "window_context_win.h"

// One run of the renderer: what it draws and the handles it draws with. Each handle has an owner
// that gives it back, declared in the order the handles are taken, so that they go back in
// reverse: the GL context made current to none and deleted, the device context released, the
// window destroyed, the display mode and the cursor given back, the class unregistered; the
// flakes go last. An owner a failed start never reached stays empty and gives back nothing.
struct RendererRun : RendererState {
  HINSTANCE hInstance = nullptr;
  std::optional<RenderWindowClass> windowClass;
  std::optional<FullScreenDisplay> fullScreen;
  std::optional<RenderWindow> hWnd;
  std::optional<WindowContext> hDC;
  std::optional<GlContext> hRC;
  RECT clientRect = {};
};
