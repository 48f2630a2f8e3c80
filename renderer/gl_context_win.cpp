#include "gl_context.h"

#include "projection.h"
#include "render_frame.h"
#include "render_window.h"

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

void InitGLContext(int width, int height) {
  hDC = GetDC(hWnd);
  if (!SetupPixelFormat(hDC)) PostQuitMessage(0);
  // A context that cannot be made leaves a black window until the user closes it; nothing to
  // report.
  hRC = wglCreateContext(hDC);
  wglMakeCurrent(hDC, hRC);
  ResizeScene(width, height);
}

void SwapFrameBuffers() { SwapBuffers(hDC); }
