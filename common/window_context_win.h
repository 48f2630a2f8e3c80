#pragma once

#include <windows.h>

// A window's device context, held from construction to destruction.
class WindowContext {
 public:
  explicit WindowContext(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowContext() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowContext(const WindowContext&) = delete;
  WindowContext& operator=(const WindowContext&) = delete;

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
