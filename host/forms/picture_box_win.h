#pragma once

#include <windows.h>

#include <vector>

#include "forms/child_control_win.h"
#include "forms/dpi_scale.h"
#include "forms/surface_win.h"

// A shape: the outline of a rectangle, one pixel wide at 96 dpi and as much wider as the dpi,
// like the marks' frames beside it. It has no window of its own: the picture box holding it
// draws it over its picture, so transparent controls on top still show it.
class ShapeControl {
 public:
  // The rectangle in the 96-dpi layout of the box that holds it; the box tells it the dpi.
  void Place(RECT design) { design_ = design; }
  void SetDpi(int dpi) { dpi_ = dpi; }
  void Draw(HDC surface) const;

 private:
  RECT design_ = {0, 0, 0, 0};
  int dpi_ = kDesignDpi;
  COLORREF borderColour_ = RGB(0, 0, 0);  // the forms runtime's default for shapes
};

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
  // The shape is drawn over the picture from now on, at the box's dpi; it must outlive the box.
  void Hold(ShapeControl& shape);

 protected:
  void Paint(HDC surface, SIZE size) override;
  void OnDpiChanged(int dpi) override;

 private:
  PersistentImage canvas_;
  std::vector<ShapeControl*> shapes_;
};
