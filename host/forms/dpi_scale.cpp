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

int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double PixelsToTwips(int pixels, int dpi) {
  return static_cast<double>(pixels) * kTwipsPerInch / dpi;
}

int DesignPixelOf(int position, int dpi) {
  // The design pixel whose scaled left edge is the last one at or before the position.
  int design = static_cast<int>(static_cast<double>(position) * kDesignDpi / dpi);
  while (design > 0 && ScaleEdge(design, dpi) > position) --design;
  while (ScaleEdge(design + 1, dpi) <= position) ++design;
  return design;
}
