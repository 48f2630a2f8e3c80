#include "controls/button_face.h"

#include <cmath>

#include "forms/number_text.h"

namespace {

// The face images measure 960 x 375 twips: 60-twip corners around an 840 x 255 inner part.
constexpr int kCornerTwips = 60;
constexpr int kInnerWidthTwips = 840;
constexpr int kInnerHeightTwips = 255;
constexpr int kFarColumnTwips = kCornerTwips + kInnerWidthTwips;  // 900
constexpr int kFarRowTwips = kCornerTwips + kInnerHeightTwips;    // 315
// Several pieces sit one twip in; that is below a pixel and vanishes in the conversion.
constexpr int kNudgeTwips = 1;
// The caption is lifted by half of this above the vertical centre.
constexpr int kCaptionLiftTwips = 20;

// Fractions of a twip arise at dots per inch that do not divide 1440.
struct TwipsRect {
  double x, y, width, height;
};

struct TwipsPiece {
  TwipsRect source;
  TwipsRect destination;
};

std::array<TwipsPiece, 8> TwipsPieces(double width, double height) {
  constexpr double c = kCornerTwips, n = kNudgeTwips;
  const double right = width - c, bottom = height - c;
  const double across = width - 2 * c, down = height - 2 * c;
  return {{
      {{0, 0, c, c}, {n, n, c, c}},
      {{c, n, kInnerWidthTwips, c}, {c, n, across, c}},
      {{kFarColumnTwips, n, c, c}, {right, n, c, c}},
      {{kFarColumnTwips, c, c, kInnerHeightTwips}, {right, c, c, down}},
      {{kFarColumnTwips, kFarRowTwips, c, c}, {right, bottom, c, c}},
      {{c, kFarRowTwips, kInnerWidthTwips, c}, {c, bottom, across, c}},
      {{0, kFarRowTwips, c, c}, {n, bottom, c, c}},
      {{n, c, c, kInnerHeightTwips}, {n, c, c, down}},
  }};
}

PixelRect ToPixels(const TwipsRect& r, int dpi) {
  return {TwipsToPixels(r.x, dpi), TwipsToPixels(r.y, dpi), TwipsToPixels(r.width, dpi),
          TwipsToPixels(r.height, dpi)};
}

// Upper-case hex digits, at least six of them.
std::wstring SixHexDigits(std::uint32_t value) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring digits;
  for (; value != 0 || digits.size() < 6; value >>= 4)
    digits.insert(digits.begin(), kDigits[value & 0xF]);
  return digits;
}

std::uint16_t Channel(std::wstring_view pair) {
  const std::wstring text = L"&H" + std::wstring(pair) + L"00";
  return static_cast<std::uint16_t>(ReadLeadingNumber(text));
}

}  // namespace

std::vector<FacePiece> FacePieces(PixelSize face, int dpi) {
  std::vector<FacePiece> pieces;
  for (const TwipsPiece& piece :
       TwipsPieces(PixelsToTwips(face.width, dpi), PixelsToTwips(face.height, dpi))) {
    const FacePiece converted{ToPixels(piece.source, dpi), ToPixels(piece.destination, dpi)};
    if (converted.destination.width <= 0 || converted.destination.height <= 0) continue;
    pieces.push_back(converted);
  }
  return pieces;
}

GradientVertex GradientColour(std::wstring_view hexText) {
  const auto value = ToInteger32(ReadLeadingNumber(hexText));
  const std::wstring digits = SixHexDigits(static_cast<std::uint32_t>(value.value_or(0)));
  const std::wstring_view view(digits);
  GradientVertex vertex;
  vertex.red = Channel(view.substr(0, 2));
  vertex.green = Channel(view.substr(2, 2));
  vertex.blue = Channel(view.substr(4, 2));
  return vertex;
}

GradientVertices FillGradient(PixelSize face, bool reversed) {
  const GradientVertex light = GradientColour(kGradientLightText);
  const GradientVertex dark = GradientColour(kGradientDarkText);
  GradientVertices vertices{};
  vertices[0] = reversed ? dark : light;
  vertices[1] = reversed ? light : dark;
  vertices[1].x = face.width - 1;
  vertices[1].y = face.height - 1;
  return vertices;
}

CaptionBox PlaceCaption(PixelSize face, int dpi) {
  const double height = PixelsToTwips(face.height, dpi);
  return {0, (height - kCaptionHeightTwips - kCaptionLiftTwips) / 2.0,
          static_cast<int>(std::lround(PixelsToTwips(face.width, dpi)))};
}

ButtonFont DesignFont() { return FormFont(); }
