#include "forms/image_control_win.h"

#include <utility>

ImageControl::ImageControl() : ChildControl(L"DriftmantleImage") {
  SetBackground(BackgroundStyle::Transparent);
}

void ImageControl::SetPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::move(picture);
  Repaint();
}

void ImageControl::Paint(HDC surface, SIZE) {
  if (picture_) picture_->DrawAt(surface, 0, 0);
}

void ImageControl::OnMouseDown(MouseButton button, POINT) {
  if (onMouseDown) onMouseDown(button);
}
