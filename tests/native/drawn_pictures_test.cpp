#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "controls/face_art.h"
#include "settings_dialog/dialog_layout.h"
#include "settings_dialog/mark_art.h"

namespace {

// A 24-bit bottom-up bitmap file, as the resources' generators write them, as drawn art.
PixelArt ReadBitmap24(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
  const BitmapParse parse = ParseBitmap(bytes);
  PixelArt art;
  if (parse.fault != BitmapFault::kNone) return art;
  art.width = parse.layout.header.width;
  art.height = parse.layout.header.height;
  const std::size_t stride = PaddedRowBytes(art.width, 24);
  for (int y = 0; y < art.height; ++y) {
    const std::uint8_t* row =
        &bytes[parse.layout.pixelOffset + static_cast<std::size_t>(art.height - 1 - y) * stride];
    for (int x = 0; x < art.width; ++x)
      art.pixels.push_back(ArtColour(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
  }
  return art;
}

const std::string kResources = RESOURCES_DIR;
const std::uint32_t kDialog = ArtColour(236, 233, 216), kOutline = ArtColour(0, 60, 116);
const std::uint32_t kWhite = ArtColour(255, 255, 255), kFrame = ArtColour(128, 128, 128);

// At 96 dpi the drawing is the picture the program ships, to the byte, so the dialog looks the
// same wherever it comes from.
TEST(DrawnPictures, At96DpiTheyAreTheShippedPictures) {
  const std::pair<FaceImage, const char*> faces[] = {
      {FaceImage::Normal, "button_normal"},
      {FaceImage::HighLight, "button_highlight"},
      {FaceImage::Pressed, "button_pressed"},
      {FaceImage::Selected, "button_selected"},
      {FaceImage::HighLightSelect, "button_highlight_select"},
      {FaceImage::Disable, "button_disable"}};
  for (const auto& [image, name] : faces) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FaceArt(image, kDesignDpi), ReadBitmap24(kResources + "/" + name + ".bmp"));
  }
  EXPECT_EQ(MarkArt(false, kDesignDpi), ReadBitmap24(kResources + "/mark_off.bmp"));
  EXPECT_EQ(MarkArt(true, kDesignDpi), ReadBitmap24(kResources + "/mark_on.bmp"));
}

// Elsewhere each ring lies between its scaled edges, one colour across, so it stays sharp: at
// 150 % the resting face's outline (ring 1) is the one pixel row 2, its white bevel rows 3 and 4;
// a mark's frame is two pixels, then one of white, then the blue.
TEST(DrawnPictures, RingsLieBetweenTheirScaledEdges) {
  const PixelArt face = FaceArt(FaceImage::Normal, 144);
  ASSERT_EQ(face.width, 96);
  ASSERT_EQ(face.height, 38);
  const std::uint32_t down[] = {kDialog, kDialog, kOutline, kWhite, kWhite};
  for (int y = 0; y < 5; ++y) EXPECT_EQ(face.At(48, y), down[y]) << y;
  EXPECT_EQ(face.At(48, 37 - 2), kOutline);  // the bottom ring mirrors the top
  const PixelArt mark = MarkArt(true, 144);
  ASSERT_EQ(mark.width, 18);
  const std::uint32_t blue = ArtColour(40, 80, 200);
  const std::uint32_t across[] = {kFrame, kFrame, kWhite, blue, blue, blue};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(mark.At(x, 9), across[x]) << x;
}

bool Inside(const PixelRect& piece, PixelSize picture) {
  return piece.x >= 0 && piece.y >= 0 && piece.width > 0 && piece.height > 0 &&
         piece.x + piece.width <= picture.width && piece.y + piece.height <= picture.height;
}

// The eight pieces, clockwise from the top left, close a ring as thick on each side as on its
// opposite: every piece starts where the one before it ends, and the ring ends at the far edges.
void ExpectWholeEvenRing(const std::vector<PixelRect>& p, PixelSize whole) {
  const PixelRect &topLeft = p[0], &top = p[1], &topRight = p[2], &right = p[3];
  const PixelRect &bottomRight = p[4], &bottom = p[5], &bottomLeft = p[6], &left = p[7];
  EXPECT_EQ(topLeft.x + topLeft.width, top.x);
  EXPECT_EQ(top.x + top.width, topRight.x);
  EXPECT_EQ(topRight.x + topRight.width, whole.width);
  EXPECT_EQ(topRight.y + topRight.height, right.y);
  EXPECT_EQ(right.y + right.height, bottomRight.y);
  EXPECT_EQ(bottomRight.y + bottomRight.height, whole.height);
  EXPECT_EQ(bottomLeft.x + bottomLeft.width, bottom.x);
  EXPECT_EQ(bottom.x + bottom.width, bottomRight.x);
  EXPECT_EQ(topLeft.y + topLeft.height, left.y);
  EXPECT_EQ(left.y + left.height, bottomLeft.y);
  EXPECT_EQ(left.width, right.width);
  EXPECT_EQ(top.height, bottom.height);
  EXPECT_EQ(topLeft.width, top.height);
}

// At every dpi a user can set, the buttons the dialog holds (set and cancel on the form, the
// file button on the panel) get a border whose pieces meet and are even, each read from inside
// its picture.
TEST(DrawnPictures, FacePiecesMeetAndStayInsideTheirPictureAtEveryDpi) {
  const DesignRect buttons[] = {kDialogLayout.setButton, kDialogLayout.cancelButton,
                                kDialogLayout.fileButton};
  for (int dpi = 96; dpi <= 480; ++dpi) {
    const PixelSize picture = FaceImageSize(dpi);
    for (const DesignRect& button : buttons) {
      const EdgeRect at = ScaleBounds(button, dpi);
      const PixelSize face{at.right - at.left, at.bottom - at.top};
      SCOPED_TRACE(testing::Message() << dpi << " dpi, " << face.width << " x " << face.height);
      const std::vector<FacePiece> pieces = FacePieces(face, dpi);
      ASSERT_EQ(pieces.size(), 8u);
      std::vector<PixelRect> sources, destinations;
      for (const FacePiece& piece : pieces) {
        EXPECT_TRUE(Inside(piece.source, picture));
        EXPECT_TRUE(Inside(piece.destination, face));
        sources.push_back(piece.source);
        destinations.push_back(piece.destination);
      }
      ExpectWholeEvenRing(sources, picture);
      ExpectWholeEvenRing(destinations, face);
      EXPECT_EQ(sources[0], (PixelRect{0, 0, ScaleEdge(4, dpi), ScaleEdge(4, dpi)}));
    }
  }
}

// A face's rings, and a mark, mirror across both axes at the scales Windows offers: the outline
// lies as far in and is as thick on the right and at the bottom as on the left and at the top.
// (The faces' colours are not symmetric, a bevel is lit from the top left, so their outline and
// the dialog colour around it are compared; a mark is compared whole.) The BGM caption's frame
// is as thick on every side as the marks' frames.
TEST(DrawnPictures, RingsAndMarksMirrorAtTheOfferedScales) {
  const auto kind = [](std::uint32_t colour) {
    return colour == kDialog ? 1 : colour == kOutline || colour == ArtColour(201, 199, 186) ? 2 : 0;
  };
  const auto mirrored = [](const PixelArt& art, auto same) {
    for (int y = 0; y < art.height; ++y)
      for (int x = 0; x < art.width; ++x)
        if (!same(art.At(x, y), art.At(art.width - 1 - x, y)) ||
            !same(art.At(x, y), art.At(x, art.height - 1 - y)))
          return testing::AssertionFailure() << "at " << x << "," << y;
    return testing::AssertionSuccess();
  };
  for (const int dpi : {106, 120, 134, 144, 168, 192}) {
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    for (int image = 0; image < 6; ++image) {
      const PixelArt face = FaceArt(static_cast<FaceImage>(image), dpi);
      EXPECT_TRUE(mirrored(face, [&](auto a, auto b) { return kind(a) == kind(b); })) << image;
    }
    for (const bool chosen : {false, true}) {
      const PixelArt mark = MarkArt(chosen, dpi);
      EXPECT_TRUE(mirrored(mark, std::equal_to<>())) << chosen;
      const int markFrame = ScaleEdge(1, dpi);
      EXPECT_EQ(mark.At(markFrame - 1, mark.height / 2), kFrame);
      EXPECT_EQ(mark.At(markFrame, mark.height / 2), kWhite);
    }
    const std::array<EdgeRect, 4> sides =
        FrameSides(ScaleBounds(kDialogLayout.captionFrame, dpi), 1, dpi);
    for (int i = 0; i < 4; ++i) {  // top, right, bottom, left
      const EdgeRect& side = sides[i];
      EXPECT_EQ(i % 2 == 0 ? side.bottom - side.top : side.right - side.left, ScaleEdge(1, dpi));
    }
    EXPECT_EQ(sides[0].bottom, sides[1].top);
    EXPECT_EQ(sides[1].bottom, sides[2].top);
  }
}

}  // namespace
