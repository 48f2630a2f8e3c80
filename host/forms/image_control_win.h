#pragma once

#include <windows.h>

#include "child_control_win.h"
#include "picture_win.h"

// An image control: draws its picture at the picture's own size at its top-left corner, without
// stretching; the rest of the control shows its container's background.
class ImageControl final : public ChildControl {
 public:
  ImageControl();
  void SetPicture(Picture picture);

 protected:
  void Paint(HDC surface, SIZE size) override;

 private:
  Picture picture_;
};
