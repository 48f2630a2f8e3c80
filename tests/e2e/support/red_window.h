#pragma once

#include <windows.h>

#include <thread>

// A plain red window standing for another program's window on a monitor. It runs its own
// message loop, as a responsive program does: a display change waits for every top-level window
// to take its notice.
class RedWindow {
 public:
  explicit RedWindow(const RECT& area);
  ~RedWindow();
  RedWindow(const RedWindow&) = delete;
  RedWindow& operator=(const RedWindow&) = delete;

 private:
  std::thread thread_;
  HWND window_ = nullptr;
};
