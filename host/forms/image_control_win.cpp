#include "image_control_win.h"

#include <utility>

ImageControl::ImageControl() : ChildControl(L"DriftmantleImage") {
  SetBackground(ControlBackground::Transparent);
}

void ImageControl::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Repaint();
}

void ImageControl::Paint(HDC surface, SIZE) {
  if (!picture_) return;
  const SIZE size = picture_.size();
  HDC source = CreateCompatibleDC(surface);
  HGDIOBJ previous = SelectObject(source, picture_.bitmap());
  BitBlt(surface, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}
