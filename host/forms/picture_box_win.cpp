#include "forms/picture_box_win.h"

#include "forms/gdi_objects_win.h"

void ShapeControl::Draw(HDC surface) const {
  const OwnedBrush brush(CreateSolidBrush(borderColour_));
  if (brush) FrameRect(surface, &bounds_, brush.get());
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
