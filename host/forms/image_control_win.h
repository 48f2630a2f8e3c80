#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "forms/child_control_win.h"
#include "forms/picture_win.h"

// An image control: draws its picture at the picture's own size at its top-left corner, without
// stretching; the rest of the control shows its container's background. Controls may share one
// picture.
class ImageControl final : public ChildControl {
 public:
  ImageControl();
  void SetPicture(std::shared_ptr<const Picture> picture);

  // Raised when a mouse button goes down on the image.
  std::function<void(MouseButton)> onMouseDown;

 protected:
  void Paint(HDC surface, SIZE size) override;
  void OnMouseDown(MouseButton button, POINT at) override;

 private:
  std::shared_ptr<const Picture> picture_;
};
