#include "picture_box_win.h"

void ShapeControl::Draw(HDC surface) const {
  HBRUSH brush = CreateSolidBrush(borderColour_);
  FrameRect(surface, &bounds_, brush);
  DeleteObject(brush);
}

PictureBox::PictureBox() : ChildControl(L"DriftmantlePictureBox") {}

HDC PictureBox::Canvas() { return canvas_.Fit(ClientSize(), backColour()); }

void PictureBox::Hold(const ShapeControl& shape) {
  shapes_.push_back(&shape);
  Repaint();
}

void PictureBox::Paint(HDC surface, SIZE) {
  canvas_.CopyTo(surface, 0, 0);
  for (const ShapeControl* shape : shapes_) shape->Draw(surface);
}
