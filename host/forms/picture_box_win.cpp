#include "forms/picture_box_win.h"

#include "forms/gdi_objects_win.h"

void ShapeControl::Draw(HDC surface) const {
  const EdgeRect outer = ScaleBounds(design_.left, design_.top, design_.right - design_.left,
                                     design_.bottom - design_.top, dpi_);
  for (const EdgeRect& side : FrameSides(outer, 1, dpi_))
    FillSolid(surface, {side.left, side.top, side.right, side.bottom}, borderColour_);
}

PictureBox::PictureBox() : ChildControl(L"DriftmantlePictureBox") {}

HDC PictureBox::Canvas() { return canvas_.Fit(ClientSize(), backColour()); }

void PictureBox::Hold(ShapeControl& shape) {
  shape.SetDpi(dpi());
  shapes_.push_back(&shape);
  Repaint();
}

void PictureBox::OnDpiChanged(int dpi) {
  for (ShapeControl* shape : shapes_) shape->SetDpi(dpi);
}

void PictureBox::Paint(HDC surface, SIZE) {
  canvas_.CopyTo(surface, 0, 0);
  for (const ShapeControl* shape : shapes_) shape->Draw(surface);
}
