#pragma once

#include <windows.h>

#include "child_control_win.h"
#include "surface_win.h"

// A picture box whose drawing persists: what is drawn on its canvas stays its picture and is
// shown again whenever the box is uncovered.
class PictureBox final : public ChildControl {
 public:
  PictureBox();
  // The persistent canvas, the size of the box, cleared to the background colour when first
  // asked for or when the box has changed size. Null when the box has no window or no size.
  HDC Canvas();
  // Shows what was drawn on the canvas.
  void Refresh() { Repaint(); }

 protected:
  void Paint(HDC surface, SIZE size) override;

 private:
  PersistentImage canvas_;
};

// A shape: the outline of a rectangle, one pixel wide, over its container's background.
class ShapeControl final : public ChildControl {
 public:
  ShapeControl();
  void SetBorderColour(COLORREF colour);

 protected:
  void Paint(HDC surface, SIZE size) override;

 private:
  COLORREF borderColour_ = RGB(0, 0, 0);
};
