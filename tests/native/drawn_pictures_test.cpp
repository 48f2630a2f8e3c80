#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "controls/face_art.h"
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
  const std::uint32_t dialog = ArtColour(236, 233, 216), outline = ArtColour(0, 60, 116);
  const std::uint32_t white = ArtColour(255, 255, 255);
  const std::uint32_t down[] = {dialog, dialog, outline, white, white};
  for (int y = 0; y < 5; ++y) EXPECT_EQ(face.At(48, y), down[y]) << y;
  EXPECT_EQ(face.At(48, 37 - 2), outline);  // the bottom ring mirrors the top
  const PixelArt mark = MarkArt(true, 144);
  ASSERT_EQ(mark.width, 18);
  const std::uint32_t frame = ArtColour(128, 128, 128), blue = ArtColour(40, 80, 200);
  const std::uint32_t across[] = {frame, frame, white, blue, blue, blue};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(mark.At(x, 9), across[x]) << x;
}

// The border pieces of a face at any scale close the ring: each piece starts where the one
// before it ends, with no gap and no overlap that the eye would catch as a seam.
TEST(DrawnPictures, FacePiecesMeetAtEveryScale) {
  for (const int dpi : {120, 144, 192}) {
    for (const PixelSize design : {PixelSize{81, 25}, PixelSize{29, 25}}) {
      const PixelSize face{ScaleEdge(design.width, dpi), ScaleEdge(design.height, dpi)};
      const std::vector<FacePiece> pieces = FacePieces(face, dpi);
      ASSERT_EQ(pieces.size(), 8u);
      SCOPED_TRACE(testing::Message() << dpi << " dpi, " << face.width << " x " << face.height);
      const PixelRect& topLeft = pieces[0].destination;
      const PixelRect& top = pieces[1].destination;
      const PixelRect& topRight = pieces[2].destination;
      const PixelRect& right = pieces[3].destination;
      const PixelRect& bottomRight = pieces[4].destination;
      EXPECT_EQ(topLeft.x + topLeft.width, top.x);
      EXPECT_EQ(top.x + top.width, topRight.x);
      EXPECT_EQ(topRight.x + topRight.width, face.width);
      EXPECT_EQ(right.y + right.height, bottomRight.y);
      EXPECT_EQ(bottomRight.y + bottomRight.height, face.height);
    }
  }
}

}  // namespace
