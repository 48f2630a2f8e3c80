#include "controls/button_face.h"

#include <cmath>

#include "forms/number_text.h"

namespace {

// The face images' border ring, 60 twips at 96 dpi.
constexpr int kCornerPixels = 4;
// The caption is lifted by half of this above the vertical centre.
constexpr int kCaptionLiftTwips = 20;

// Where a length is cut into its near corner, its run and its far corner: the far corner is
// measured from the far end, so it is as thick as the near one and every cut is shared by the
// two pieces on either side of it.
std::array<int, 4> Cuts(int length, int corner) { return {0, corner, length - corner, length}; }

PixelRect Cell(const std::array<int, 4>& across, const std::array<int, 4>& down, int column,
               int row) {
  return {across[column], down[row], across[column + 1] - across[column],
          down[row + 1] - down[row]};
}

// The eight ring cells of the three-by-three cut, clockwise from the top left (column, row).
constexpr std::array<std::array<int, 2>, 8> kRingCells = {
    {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}};

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

PixelSize FaceImageSize(int dpi) {
  return {ScaleEdge(kFaceImageWidthPixels, dpi), ScaleEdge(kFaceImageHeightPixels, dpi)};
}

std::vector<FacePiece> FacePieces(PixelSize face, int dpi) {
  const int corner = ScaleEdge(kCornerPixels, dpi);
  const PixelSize image = FaceImageSize(dpi);
  const auto fromAcross = Cuts(image.width, corner), fromDown = Cuts(image.height, corner);
  const auto toAcross = Cuts(face.width, corner), toDown = Cuts(face.height, corner);
  std::vector<FacePiece> pieces;
  for (const auto& [column, row] : kRingCells) {
    const FacePiece piece{Cell(fromAcross, fromDown, column, row),
                          Cell(toAcross, toDown, column, row)};
    if (piece.destination.width <= 0 || piece.destination.height <= 0) continue;
    pieces.push_back(piece);
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
          static_cast<int>(std::lround(PixelsToTwips(face.width, dpi))), dpi};
}

ButtonFont DesignFont() { return FormFont(); }
