#include "gl_context_win.h"

#include "projection.h"
#include "render_window_win.h"
#include "renderer_run_win.h"

namespace {

using SwapIntervalProc = BOOL(WINAPI*)(int interval);

// NOTE: some drivers answer wglGetProcAddress with 1, 2, 3 or -1 instead of null for a function
// they do not have.
bool IsProcAddress(PROC found) {
  const auto value = reinterpret_cast<INT_PTR>(found);
  return value != 0 && value != 1 && value != 2 && value != 3 && value != -1;
}

// One buffer swap per display refresh (WGL_EXT_swap_control), where the driver offers it. Drivers
// may still not wait for the refresh (software GL, or vertical sync set off by the user), so the
// message loop paces its frames as well.
void AskForOneSwapPerRefresh() {
  const PROC found = wglGetProcAddress("wglSwapIntervalEXT");
  if (!IsProcAddress(found)) return;
  // Through void (*)() so that the cast between unrelated function types is not flagged.
  const auto swapInterval = reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void (*)()>(found));
  swapInterval(1);
}

}  // namespace

bool SetupPixelFormat(HDC deviceContext) {
  PIXELFORMATDESCRIPTOR format = {};
  format.nSize = sizeof(format);
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = kColourBits;
  format.cDepthBits = kColourBits;
  const int index = ChoosePixelFormat(deviceContext, &format);
  if (index == 0) return false;
  return SetPixelFormat(deviceContext, index, &format) != FALSE;
}

GlContext::GlContext(HDC deviceContext) : context_(wglCreateContext(deviceContext)) {
  wglMakeCurrent(deviceContext, context_);
}

GlContext::~GlContext() {
  if (context_ == nullptr) return;
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context_);
}

void InitGLContext(RendererRun& run, int width, int height) {
  const HDC deviceContext = run.hDC.emplace(run.hWnd->get()).dc();
  if (!SetupPixelFormat(deviceContext)) PostQuitMessage(0);
  run.hRC.emplace(deviceContext);
  AskForOneSwapPerRefresh();
  ResizeScene(width, height);
}
