#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

#include "flake_splatter.h"

namespace {

constexpr int kWidth = 24;
constexpr int kHeight = 16;
constexpr float kDepth = 10.0f;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// A flake at depth kDepth whose square has its centre at screen pixel position (x, y) and the
// given half side in pixels, under the 45-degree view of a kHeight-high area.
SnowFlake* FlakeAt(FlakeList& list, float x, float y, float halfPixels, Colour4 colour) {
  const double pixelsPerUnit = kHeight / 2.0 / std::tan(22.5 * 3.14159265358979 / 180.0) / kDepth;
  auto* flake = new SnowFlake(&list, 0.0f);
  const Vector3 position{static_cast<float>((x - kWidth / 2.0) / pixelsPerUnit),
                         static_cast<float>((kHeight / 2.0 - y) / pixelsPerUnit), -kDepth};
  flake->Set(position, {0, 0, 0}, colour, static_cast<float>(halfPixels / pixelsPerUnit), 5.0f);
  list.Add(flake);
  return flake;
}

class Frame {
 public:
  explicit Frame(const FlakeSprite& sprite, float flakeScale = 1.0f)
      : splatter_(sprite, kWidth, kHeight, flakeScale) {}

  // Draws the list's flakes on black.
  void Draw(FlakeList& list) {
    list.UpdateAndDraw(0.0f, 0.0f, splatter_);
    ASSERT_TRUE(splatter_.Finish(pixels_));
  }
  std::uint32_t At(int x, int y) const { return pixels_[y * kWidth + x]; }
  // Every channel of every pixel added up.
  long Sum() const {
    long sum = 0;
    for (std::uint32_t p : pixels_) sum += (p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF);
    return sum;
  }
  int Lit() const {
    int lit = 0;
    for (std::uint32_t p : pixels_) lit += p != 0 ? 1 : 0;
    return lit;
  }

 private:
  FlakeSplatter splatter_;
  std::vector<std::uint32_t> pixels_ = std::vector<std::uint32_t>(kWidth * kHeight, 0xDEADBEEF);
};

const std::vector<std::uint32_t> kWhiteSquare(4 * 4, kWhite);
constexpr Colour4 kFull{1, 1, 1, 1};

// One white flake (or one of the given colour) drawn into the area: how many pixels it lights
// and the light they hold, over all channels; each channel may round either way.
TEST(FlakeSplatter, OneFlakeLightsThePixelsItCoversClippedAtEveryEdge) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  struct Case {
    const char* what;
    float x, y, half;
    Colour4 colour;
    float scale;
    int lit;
    long sum;
  };
  const Case cases[] = {
      {"on pixel edges: 4 x 4 full pixels", 10, 8, 2, kFull, 1, 16, 16 * 3 * 255},
      {"off the grid: halves and quarters", 10.5f, 8.5f, 1, kFull, 1, 9, 4 * 3 * 255},
      {"smaller than a pixel: its share", 5.5f, 5.5f, 0.25f, kFull, 1, 1, 3 * 64},
      {"the colour scales", 10, 8, 2, {0.5f, 0.5f, 0.5f, 1}, 1, 16, 16 * 3 * 128},
      {"and so does alpha", 10, 8, 2, {1, 1, 1, 0.25f}, 1, 16, 16 * 3 * 64},
      {"small: grown by the view scale", 10.5f, 8.5f, 0.25f, kFull, 3, 9, 3L * 255 * 3 * 3 / 4},
      {"larger: a pixel's growth, twice", 10, 8, 4, kFull, 3, 12 * 12, 12 * 12 * 3L * 255},
      {"left edge", 0, 8, 2, kFull, 1, 8, 8 * 3 * 255},
      {"right edge", kWidth, 8, 2, kFull, 1, 8, 8 * 3 * 255},
      {"top edge", 10, 0, 2, kFull, 1, 8, 8 * 3 * 255},
      {"bottom edge", 10, kHeight, 2, kFull, 1, 8, 8 * 3 * 255},
      {"top left corner", 0, 0, 2, kFull, 1, 4, 4 * 3 * 255},
      {"bottom right corner", kWidth, kHeight, 2, kFull, 1, 4, 4 * 3 * 255},
      {"beyond the left", -2, 8, 2, kFull, 1, 0, 0},
      {"beyond the bottom", 10, kHeight + 2, 2, kFull, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FlakeList list(1);
    FlakeAt(list, c.x, c.y, c.half, c.colour);
    Frame frame(sprite, c.scale);
    frame.Draw(list);
    EXPECT_EQ(frame.Lit(), c.lit);
    EXPECT_NEAR(frame.Sum(), c.sum, c.lit * 3);
  }
}

TEST(FlakeSplatter, ShowsThePictureUprightAndTurnedByANegativeHalfSize) {
  // Red, green / blue, white: one picture pixel to each 2 × 2 screen pixels.
  const std::vector<std::uint32_t> corners = {0xFF0000, 0x00FF00, 0x0000FF, kWhite};
  const FlakeSprite sprite(2, 2, corners);
  FlakeList list(2);
  SnowFlake* flake = FlakeAt(list, 4, 4, 2, kFull);
  Frame upright(sprite);
  upright.Draw(list);
  EXPECT_EQ(upright.At(2, 2), 0xFF0000u);
  EXPECT_EQ(upright.At(5, 3), 0x00FF00u);
  EXPECT_EQ(upright.At(3, 5), 0x0000FFu);
  EXPECT_EQ(upright.At(5, 5), kWhite);

  flake->halfSize = -flake->halfSize;
  Frame turned(sprite);
  turned.Draw(list);
  EXPECT_EQ(turned.At(2, 2), kWhite);
  EXPECT_EQ(turned.At(5, 3), 0x0000FFu);
  EXPECT_EQ(turned.At(5, 5), 0xFF0000u);
}

TEST(FlakeSplatter, EmptyModelAndFlakesOutOfSightGiveBlack) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  FlakeList list(3);
  Frame frame(sprite);
  frame.Draw(list);
  EXPECT_EQ(frame.Sum(), 0) << "no flakes";

  FlakeAt(list, 10, 8, 2, kFull)->position.z = 5.0f;    // behind the eye
  FlakeAt(list, 10, 8, 2, kFull)->position.z = -0.05f;  // nearer than the near plane
  FlakeAt(list, 10, 8, 2, kFull)->halfSize = 3e-9f;     // a flake of no size
  frame.Draw(list);
  EXPECT_EQ(frame.Sum(), 0);
}

TEST(FlakeSplatter, AddedLightSaturatesEachChannelAt255) {
  const std::vector<std::uint32_t> red(4 * 4, 0xFF0000);
  const FlakeSprite sprite(4, 4, red);
  FlakeList list(3);
  for (int i = 0; i < 3; ++i) FlakeAt(list, 10, 8, 2, kFull);
  Frame frame(sprite);
  frame.Draw(list);
  // Three full reds stay one full red: nothing carries into green or wraps round.
  EXPECT_EQ(frame.At(10, 8), 0xFF0000u);
  EXPECT_EQ(frame.Lit(), 16);
}

TEST(FlakeSplatter, RefusesABufferSmallerThanTheArea) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  FlakeSplatter splatter(sprite, kWidth, kHeight, 1.0f);
  std::vector<std::uint32_t> small(kWidth * kHeight - 1, 7);
  EXPECT_FALSE(splatter.Finish(small));
  EXPECT_EQ(small.front(), 7u);
}

TEST(FlakeSprite, EmptyOrShortPictureGivesAnEmptySpriteThatDrawsNothing) {
  EXPECT_FALSE(FlakeSprite(0, 4, kWhiteSquare));
  EXPECT_FALSE(FlakeSprite(4, 5, kWhiteSquare));
  const FlakeSprite empty(4, 5, kWhiteSquare);
  FlakeList list(1);
  FlakeAt(list, 10, 8, 2, kFull);
  Frame frame(empty);
  frame.Draw(list);
  EXPECT_EQ(frame.Sum(), 0);
}

}  // namespace
