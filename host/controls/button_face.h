#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/background_style.h"
#include "forms/dpi_scale.h"
#include "forms/font_description.h"

// The look of the owner-drawn button: which face image, how the face is laid out in pixels, and
// the painter that puts it on the screen. Geometry is given by the forms runtime in twips; the
// painter works in pixels, so everything here is converted once, at the button's dots per inch
// (15 twips per pixel at 96 dpi).

// The six face images, 64 x 25 pixels each at 96 dpi (and made for each other dpi at that size
// scaled); only their outer 4-pixel ring is ever drawn.
enum class FaceImage { Normal, HighLight, Pressed, Selected, HighLightSelect, Disable };

inline constexpr int kFaceImageWidthPixels = 64;
inline constexpr int kFaceImageHeightPixels = 25;

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The face image's size at dpi, each edge scaled.
PixelSize FaceImageSize(int dpi);

// One border piece: a part of the face image stretched into a part of the face.
struct FacePiece {
  PixelRect source;
  PixelRect destination;
  bool operator==(const FacePiece&) const = default;
};

// The border ring for a face of the given size, in drawing order (corners and edges clockwise
// from the top left). The pieces are placed by their edges, each shared with the next piece, so
// they meet at every scale; the far corners are as thick as the near ones. An edge whose length
// comes out zero or negative, on a face narrower or lower than two corners, is left out rather
// than drawn mirrored. The face and its image are both at dpi.
std::vector<FacePiece> FacePieces(PixelSize face, int dpi = kDesignDpi);

// A vertex of the gradient layer in the layout the system's gradient fill takes: 16-bit channels
// whose high byte is the colour (0xC6 -> 0xC600).
struct GradientVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
  std::uint16_t alpha = 0;
  bool operator==(const GradientVertex&) const = default;
};

// Entries 0 and 1 span the face; the others stay zero but are handed over with the count.
inline constexpr std::size_t kGradientVertexCount = 4;
using GradientVertices = std::array<GradientVertex, kGradientVertexCount>;
// The one gradient rectangle names its corners by vertex index, upper left first.
inline constexpr std::uint32_t kGradientUpperLeftVertex = 1;
inline constexpr std::uint32_t kGradientLowerRightVertex = 0;

// The colours are kept as the forms runtime's "&H" number texts.
inline constexpr std::wstring_view kGradientLightText = L"&HFFFFFF";
inline constexpr std::wstring_view kGradientDarkText = L"&HC6C5D7";

// A vertex at (0, 0) with the colour of a number text read as six hex digits, red first.
GradientVertex GradientColour(std::wstring_view hexText);

// Vertex 0 at the top left, vertex 1 at the bottom-right pixel; light on top unless reversed.
GradientVertices FillGradient(PixelSize face, bool reversed);

// Where the caption label goes, in twips as the label measures itself.
struct CaptionBox {
  int leftTwips = 0;
  double topTwips = 0.0;
  int widthTwips = 0;
  int dpi = kDesignDpi;  // of the twips' conversion to pixels
  bool operator==(const CaptionBox&) const = default;
};

inline constexpr int kCaptionHeightTwips = 195;

// The caption across the full width, centred vertically and lifted by 10 twips.
CaptionBox PlaceCaption(PixelSize face, int dpi = kDesignDpi);

// Everything one composition of the face needs: clear, gradient, border pieces, show.
struct FaceComposition {
  FaceImage image = FaceImage::Normal;
  bool gradientReversed = false;
  GradientVertices vertices{};
  std::vector<FacePiece> pieces;
  int dpi = kDesignDpi;  // the face image's
};

// The caption's font.
using ButtonFont = FontDescription;

// The control's design font, which its caption inherits until a font is loaded or set.
ButtonFont DesignFont();

enum class CaptionLook { Enabled, Greyed };

// The control's drawing surface and its windowless caption label. A call that fails throws; the
// control skips that step and goes on.
class ButtonFace {
 public:
  virtual ~ButtonFace() = default;
  // Clears to the background colour, fills the gradient, draws the pieces, shows the surface.
  // A transparent surface composes but does not show.
  virtual void Compose(const FaceComposition& face) = 0;
  virtual void PlaceCaption(const CaptionBox& box) = 0;
  virtual void SetCaptionLook(CaptionLook look) = 0;
  virtual void SetCaptionColour(std::uint32_t colour) = 0;  // 0x00BBGGRR
  virtual void SetCaptionText(const std::wstring& text) = 0;
  virtual void SetCaptionFont(const ButtonFont& font) = 0;
  virtual void SetBackground(BackgroundStyle style) = 0;
};
