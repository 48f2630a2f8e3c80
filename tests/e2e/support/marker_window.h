#pragma once

#include <windows.h>

// A hidden top-level window with the given title, standing in for another program's window that
// others look for by title.
class MarkerWindow {
 public:
  explicit MarkerWindow(const wchar_t* title)
      : window_(CreateWindowExW(0, L"STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
  ~MarkerWindow() { DestroyWindow(window_); }
  MarkerWindow(const MarkerWindow&) = delete;
  MarkerWindow& operator=(const MarkerWindow&) = delete;
  HWND window() const { return window_; }

 private:
  HWND window_;
};
