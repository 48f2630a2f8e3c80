#include "controls/face_drawing_win.h"

#include "forms/gdi_objects_win.h"

namespace {

TRIVERTEX ToTriVertex(const GradientVertex& vertex) {
  return {vertex.x, vertex.y, vertex.red, vertex.green, vertex.blue, vertex.alpha};
}

}  // namespace

bool ClearFace(HDC dc, SIZE size, COLORREF colour) {
  return FillSolid(dc, {0, 0, size.cx, size.cy}, colour);
}

bool FillFaceGradient(HDC dc, const GradientVertices& vertices) {
  TRIVERTEX corners[kGradientVertexCount];
  for (std::size_t i = 0; i < kGradientVertexCount; ++i) corners[i] = ToTriVertex(vertices[i]);
  GRADIENT_RECT rectangle = {kGradientUpperLeftVertex, kGradientLowerRightVertex};
  // gdi32's own fill: msimg32's GradientFill only forwards to it, and that library would be
  // loaded at every start for this one call.
  return GdiGradientFill(dc, corners, kGradientVertexCount, &rectangle, 1, GRADIENT_FILL_RECT_V) !=
         FALSE;
}

bool DrawBorderPieces(HDC dc, const Picture& picture, const std::vector<FacePiece>& pieces) {
  if (!picture) return false;
  MemoryContext source(dc);
  if (!source) return false;
  SelectedObject image(source.dc(), picture.bitmap());
  if (!image) return false;
  // Short edges are shrunk on narrow buttons; blending rows would darken the outline.
  const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
  bool drawn = true;
  for (const FacePiece& piece : pieces) {
    const PixelRect& from = piece.source;
    const PixelRect& to = piece.destination;
    drawn &= StretchBlt(dc, to.x, to.y, to.width, to.height, source.dc(), from.x, from.y,
                        from.width, from.height, SRCCOPY) != FALSE;
  }
  SetStretchBltMode(dc, previousMode);
  return drawn;
}
