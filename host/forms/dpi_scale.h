#pragma once

#include <array>

// The host's layout is written for 96 dots per inch, in pixels and in twips (1/1440 inch). On a
// scaled display each edge is scaled on its own, so that parts which meet at 96 dpi still meet,
// and a layout made again for 96 dpi is the original to the pixel.

inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

// An edge (a coordinate, not a length) given at 96 dpi, at dpi: rounded, halves away from zero.
int ScaleEdge(int edge, int dpi);

struct EdgeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const EdgeRect&) const = default;
};

// A rectangle of a 96-dpi layout by its top left and size, as layouts are written.
struct DesignRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A rectangle given at 96 dpi by its top left and size, with its four edges at dpi.
EdgeRect ScaleBounds(int left, int top, int width, int height, int dpi);
inline EdgeRect ScaleBounds(const DesignRect& design, int dpi) {
  return ScaleBounds(design.left, design.top, design.width, design.height, dpi);
}

// The four sides of a frame thickness pixels wide at 96 dpi, drawn inside outer (already at dpi):
// top, right, bottom, left. Each side is as thick as its opposite, and they do not overlap.
std::array<EdgeRect, 4> FrameSides(EdgeRect outer, int thickness, int dpi);

// A length in twips in whole pixels at dpi, to the nearest.
int TwipsToPixels(double twips, int dpi);
// A length in pixels at dpi in twips.
double PixelsToTwips(int pixels, int dpi);

// Which pixel of a 96-dpi drawing the pixel at position (0-based) of the same drawing made for
// dpi belongs to: each design pixel covers the pixels between its scaled edges.
int DesignPixelOf(int position, int dpi);

// The same for a drawing designLength pixels across at 96 dpi and ScaleEdge(designLength) at
// dpi, each pixel measured from the nearer of the two ends, so that the far side of a symmetric
// design (a frame, a ring) mirrors the near side to the pixel. Rounding both edges from the left
// would make the far side's rings a pixel thicker or thinner than the near side's.
int MirroredDesignPixelOf(int position, int designLength, int dpi);
