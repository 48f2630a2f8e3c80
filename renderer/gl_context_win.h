#pragma once

#include <windows.h>

struct RendererRun;

// True when a double-buffered RGBA format with kColourBits colour and depth bits was chosen and
// set.
bool SetupPixelFormat(HDC deviceContext);

// A GL rendering context made current on a device context while this lives, then made current to
// none and deleted. A context that cannot be made leaves a black window until the user closes
// it; nothing to report.
class GlContext {
 public:
  explicit GlContext(HDC deviceContext);
  ~GlContext();
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;

 private:
  HGLRC context_;
};

// Takes the run window's device context, sets its pixel format, makes a GL context current and
// sets the projection. A failed pixel format asks the loop to quit; start-up still goes on.
void InitGLContext(RendererRun& run, int width, int height);
