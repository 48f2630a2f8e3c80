#include "controls/face_art.h"

#include <algorithm>
#include <array>

#include "forms/dpi_scale.h"
#include "forms/number_text.h"

namespace {

constexpr int kRingPixels = 4;  // of the 96-dpi picture; the button shows no more of it

struct Rgb {
  double red, green, blue;
};

constexpr Rgb kDialog{236, 233, 216};  // the dialog's background, around the frame
constexpr Rgb kOutline{0, 60, 116};
constexpr Rgb kGreyOutline{201, 199, 186};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLavender{198, 197, 215};  // the gradient's dark end

// How a ring inside the outline is painted: lit on the top and left and shaded on the bottom and
// right, a vertical blend, or one colour.
enum class Fill { Bevel, Vertical, Flat };

struct RingPaint {
  Fill fill;
  Rgb first;   // light side, top or the one colour
  Rgb second;  // dark side or bottom
};

// The ring the outline lies on, its colour, and the rings inside it, outermost first.
struct FaceDesign {
  int outlineRing;
  Rgb outline;
  std::array<RingPaint, 2> inner;
};

constexpr RingPaint kHoverBlend{Fill::Vertical, {255, 240, 207}, {229, 151, 0}};
constexpr RingPaint kFocusBlend{Fill::Vertical, {206, 231, 255}, {105, 130, 238}};

// In the order of FaceImage: Normal, HighLight, Pressed, Selected, HighLightSelect, Disable.
constexpr std::array<FaceDesign, 6> kDesigns = {{
    {1,
     kOutline,
     {{{Fill::Bevel, kWhite, {214, 208, 197}}, {Fill::Bevel, kWhite, {226, 223, 214}}}}},
    {1, kOutline, {{kHoverBlend, kHoverBlend}}},
    {2, kOutline, {{{Fill::Bevel, {200, 197, 180}, {226, 223, 214}}}}},
    {1, kOutline, {{kFocusBlend, kFocusBlend}}},
    {1, kOutline, {{kHoverBlend, kHoverBlend}}},
    {2, kGreyOutline, {{{Fill::Flat, {245, 244, 234}, {}}}}},
}};

// A fraction of the way from top to bottom, each channel rounded half to even.
std::uint32_t Mix(Rgb top, Rgb bottom, double t) {
  const auto channel = [t](double a, double b) {
    return static_cast<int>(RoundHalfEven(a + (b - a) * t));
  };
  return ArtColour(channel(top.red, bottom.red), channel(top.green, bottom.green),
                   channel(top.blue, bottom.blue));
}

std::uint32_t Solid(Rgb colour) { return Mix(colour, colour, 0); }

}  // namespace

PixelArt FaceArt(FaceImage image, int dpi) {
  const FaceDesign& design = kDesigns[static_cast<std::size_t>(image)];
  const int designWidth = kFaceImageWidthPixels, designHeight = kFaceImageHeightPixels;
  PixelArt art;
  const PixelSize size = FaceImageSize(dpi);
  art.width = size.width;
  art.height = size.height;
  art.pixels.reserve(static_cast<std::size_t>(art.width) * art.height);
  for (int row = 0; row < art.height; ++row) {
    // Blends run over the rows as drawn, so they stay smooth at any scale.
    const double down = art.height > 1 ? static_cast<double>(row) / (art.height - 1) : 0.0;
    const int y = MirroredDesignPixelOf(row, designHeight, dpi);
    for (int column = 0; column < art.width; ++column) {
      const int x = MirroredDesignPixelOf(column, designWidth, dpi);
      const int across = std::min(x, designWidth - 1 - x);
      const int upDown = std::min(y, designHeight - 1 - y);
      const int ring = std::min(across, upDown);
      // The pixel where a ring's horizontal and vertical runs meet is cut, rounding the frame.
      const bool corner = across == ring && upDown == ring;
      std::uint32_t colour;
      if (ring >= kRingPixels) {
        colour = Mix(kWhite, kLavender, down);
      } else if (ring < design.outlineRing || (ring == design.outlineRing && corner)) {
        colour = Solid(kDialog);
      } else if (ring == design.outlineRing || (ring == design.outlineRing + 1 && corner)) {
        colour = Solid(design.outline);
      } else {
        const RingPaint& paint = design.inner[ring - design.outlineRing - 1];
        if (paint.fill == Fill::Vertical) {
          colour = Mix(paint.first, paint.second, down);
        } else if (paint.fill == Fill::Bevel && x != ring && y != ring) {
          colour = Solid(paint.second);
        } else {
          colour = Solid(paint.first);
        }
      }
      art.pixels.push_back(colour);
    }
  }
  return art;
}
