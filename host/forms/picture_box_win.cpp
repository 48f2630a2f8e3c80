#include "picture_box_win.h"

PictureBox::PictureBox() : ChildControl(L"DriftmantlePictureBox") {}

HDC PictureBox::Canvas() { return canvas_.Fit(ClientSize(), backColour()); }

void PictureBox::Paint(HDC surface, SIZE) { canvas_.CopyTo(surface, 0, 0); }

ShapeControl::ShapeControl() : ChildControl(L"DriftmantleShape") {
  SetBackground(ControlBackground::Transparent);
}

void ShapeControl::SetBorderColour(COLORREF colour) {
  borderColour_ = colour;
  Repaint();
}

void ShapeControl::Paint(HDC surface, SIZE size) {
  HBRUSH brush = CreateSolidBrush(borderColour_);
  const RECT outline = {0, 0, size.cx, size.cy};
  FrameRect(surface, &outline, brush);
  DeleteObject(brush);
}
