#include "settings_dialog/mark_art.h"

#include "forms/dpi_scale.h"

namespace {

constexpr int kMarkPixels = 12;  // at 96 dpi
constexpr int kFillInset = 2;    // pixels of white between the frame and the blue
constexpr std::uint32_t kFrame = ArtColour(128, 128, 128);
constexpr std::uint32_t kFace = ArtColour(255, 255, 255);
constexpr std::uint32_t kFill = ArtColour(40, 80, 200);

}  // namespace

PixelArt MarkArt(bool chosen, int dpi) {
  PixelArt art;
  art.width = art.height = ScaleEdge(kMarkPixels, dpi);
  constexpr int last = kMarkPixels - 1;
  for (int row = 0; row < art.height; ++row) {
    const int y = MirroredDesignPixelOf(row, kMarkPixels, dpi);
    for (int column = 0; column < art.width; ++column) {
      const int x = MirroredDesignPixelOf(column, kMarkPixels, dpi);
      const bool frame = x == 0 || x == last || y == 0 || y == last;
      const bool inner =
          x >= kFillInset && x <= last - kFillInset && y >= kFillInset && y <= last - kFillInset;
      art.pixels.push_back(frame ? kFrame : chosen && inner ? kFill : kFace);
    }
  }
  return art;
}
