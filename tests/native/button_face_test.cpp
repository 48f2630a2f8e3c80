// The button face's geometry in pixels, worked out by hand from the twips layout of the border
// ring (60-twip corners, 15 twips per pixel), and the gradient's 16-bit channels.
#include <gtest/gtest.h>

#include "controls/button_face.h"

namespace {

using Pieces = std::vector<FacePiece>;

TEST(ButtonFace, BorderPiecesOfTheDialogsTwoButtonSizes) {
  // 81 x 25: edges 73 and 17 pixels long, far corners at x 77 and y 21.
  const Pieces wide = {
      {{0, 0, 4, 4}, {0, 0, 4, 4}},     {{4, 0, 56, 4}, {4, 0, 73, 4}},
      {{60, 0, 4, 4}, {77, 0, 4, 4}},   {{60, 4, 4, 17}, {77, 4, 4, 17}},
      {{60, 21, 4, 4}, {77, 21, 4, 4}}, {{4, 21, 56, 4}, {4, 21, 73, 4}},
      {{0, 21, 4, 4}, {0, 21, 4, 4}},   {{0, 4, 4, 17}, {0, 4, 4, 17}},
  };
  EXPECT_EQ(FacePieces({81, 25}), wide);

  // 29 x 25: the top and bottom runs shrink to 21 pixels, the right side moves to x 25.
  const Pieces narrow = {
      {{0, 0, 4, 4}, {0, 0, 4, 4}},     {{4, 0, 56, 4}, {4, 0, 21, 4}},
      {{60, 0, 4, 4}, {25, 0, 4, 4}},   {{60, 4, 4, 17}, {25, 4, 4, 17}},
      {{60, 21, 4, 4}, {25, 21, 4, 4}}, {{4, 21, 56, 4}, {4, 21, 21, 4}},
      {{0, 21, 4, 4}, {0, 21, 4, 4}},   {{0, 4, 4, 17}, {0, 4, 4, 17}},
  };
  EXPECT_EQ(FacePieces({29, 25}), narrow);
}

TEST(ButtonFace, EdgesDropOnlyBelowOnePixelAndCornersAlwaysStay) {
  const Pieces thin = FacePieces({6, 25});  // top and bottom edges would be -2 wide
  ASSERT_EQ(thin.size(), 6u);
  EXPECT_EQ(thin[2].destination, (PixelRect{2, 4, 4, 17}));  // right edge
  EXPECT_EQ(thin[5].destination, (PixelRect{0, 4, 4, 17}));  // left edge

  const Pieces square = FacePieces({8, 8});  // every edge 0 long
  ASSERT_EQ(square.size(), 4u);
  EXPECT_EQ(square[3].destination, (PixelRect{0, 4, 4, 4}));  // bottom-left corner

  // 9 x 9: every edge exactly 1 pixel long, which is still drawn.
  const Pieces smallest = {
      {{0, 0, 4, 4}, {0, 0, 4, 4}},   {{4, 0, 56, 4}, {4, 0, 1, 4}},
      {{60, 0, 4, 4}, {5, 0, 4, 4}},  {{60, 4, 4, 17}, {5, 4, 4, 1}},
      {{60, 21, 4, 4}, {5, 5, 4, 4}}, {{4, 21, 56, 4}, {4, 5, 1, 4}},
      {{0, 21, 4, 4}, {0, 5, 4, 4}},  {{0, 4, 4, 17}, {0, 4, 4, 1}},
  };
  EXPECT_EQ(FacePieces({9, 9}), smallest);
}

TEST(ButtonFace, GradientRunsFromWhiteToLavenderInHighBytes) {
  const GradientVertices resting = FillGradient({81, 25}, false);
  EXPECT_EQ(resting[0], (GradientVertex{0, 0, 0xFF00, 0xFF00, 0xFF00, 0}));
  EXPECT_EQ(resting[1], (GradientVertex{80, 24, 0xC600, 0xC500, 0xD700, 0}));
  EXPECT_EQ(resting[2], GradientVertex{});
  EXPECT_EQ(resting[3], GradientVertex{});

  const GradientVertices hovered = FillGradient({29, 25}, true);
  EXPECT_EQ(hovered[0], (GradientVertex{0, 0, 0xC600, 0xC500, 0xD700, 0}));
  EXPECT_EQ(hovered[1], (GradientVertex{28, 24, 0xFF00, 0xFF00, 0xFF00, 0}));

  // Digits are taken in pairs from the left, red first, short values padded with zeros.
  EXPECT_EQ(GradientColour(L"&H0A0B0C"), (GradientVertex{0, 0, 0x0A00, 0x0B00, 0x0C00, 0}));
  EXPECT_EQ(GradientColour(L"255"), (GradientVertex{0, 0, 0, 0, 0xFF00, 0}));
}

TEST(ButtonFace, CaptionIsCentredAndLiftedTenTwips) {
  EXPECT_EQ(PlaceCaption({81, 25}), (CaptionBox{0, 80.0, 1215}));
  EXPECT_EQ(PlaceCaption({117, 28}), (CaptionBox{0, 102.5, 1755}));
}

}  // namespace
