#include "forms/dpi_scale.h"

#include <cmath>

int ScaleEdge(int edge, int dpi) {
  // Whole numbers throughout: a product of two ints is exact in double, a quotient rounded once.
  return static_cast<int>(std::lround(static_cast<double>(edge) * dpi / kDesignDpi));
}

EdgeRect ScaleBounds(int left, int top, int width, int height, int dpi) {
  return {ScaleEdge(left, dpi), ScaleEdge(top, dpi), ScaleEdge(left + width, dpi),
          ScaleEdge(top + height, dpi)};
}

std::array<EdgeRect, 4> FrameSides(EdgeRect outer, int thickness, int dpi) {
  const int width = ScaleEdge(thickness, dpi);
  const int innerTop = outer.top + width, innerBottom = outer.bottom - width;
  return {{{outer.left, outer.top, outer.right, innerTop},
           {outer.right - width, innerTop, outer.right, innerBottom},
           {outer.left, innerBottom, outer.right, outer.bottom},
           {outer.left, innerTop, outer.left + width, innerBottom}}};
}

int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(int pixels, int dpi) {
  return static_cast<double>(pixels) * kTwipsPerInch / dpi;
}

int DesignPixelOf(int position, int dpi) {
  // The design pixel whose scaled left edge is the last one at or before the position. The
  // estimate is never past it: its edge, unrounded, is at most the position, a whole number.
  int design = static_cast<int>(static_cast<double>(position) * kDesignDpi / dpi);
  while (ScaleEdge(design + 1, dpi) <= position) ++design;
  return design;
}

int MirroredDesignPixelOf(int position, int designLength, int dpi) {
  const int fromFar = ScaleEdge(designLength, dpi) - 1 - position;
  if (position <= fromFar) return DesignPixelOf(position, dpi);
  return designLength - 1 - DesignPixelOf(fromFar, dpi);
}
