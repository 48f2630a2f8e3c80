#pragma once

#include <windows.h>

#include "picture_win.h"

// An image control: draws its picture at the picture's own size at its top-left corner, without
// stretching; the rest of the control shows the form's background.
class ImageControl {
 public:
  ImageControl() = default;
  ~ImageControl();
  ImageControl(const ImageControl&) = delete;
  ImageControl& operator=(const ImageControl&) = delete;

  // Creates the control on the parent window; false when it cannot be made.
  bool Create(HWND parent);
  void SetPicture(Picture picture);
  void Move(int left, int top, int width, int height);
  HWND window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND window_ = nullptr;
  Picture picture_;
};
