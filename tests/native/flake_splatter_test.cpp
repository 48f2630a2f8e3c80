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
  int Red(int x, int y) const { return static_cast<int>(At(x, y) >> 16 & 0xFF); }
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

TEST(FlakeSplatter, OneFlakeGivesThePixelSumsOfTheAreaItCovers) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  struct Case {
    float x, y, half;
    Colour4 colour;
    int lit;
    long sum;  // over all channels of all pixels
    int centreRed;
  };
  const Case cases[] = {
      {10, 8, 2, kFull, 16, 16 * 3 * 255, 255},      // on pixel edges: 4 × 4 full pixels
      {10.5f, 8.5f, 1, kFull, 9, 4 * 3 * 255, 255},  // off the grid: halves and quarters
      {5.5f, 5.5f, 0.25f, kFull, 1, 3 * 64, 64},     // smaller than a pixel: its share
      {10, 8, 2, {0.5f, 0.5f, 0.5f, 1}, 16, 16 * 3 * 128, 128},  // the flake's colour scales
      {10, 8, 2, {1, 1, 1, 0.25f}, 16, 16 * 3 * 64, 64},         // and so does its alpha
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "flake at " << c.x << "," << c.y << " half " << c.half);
    FlakeList list(1);
    FlakeAt(list, c.x, c.y, c.half, c.colour);
    Frame frame(sprite);
    frame.Draw(list);
    EXPECT_EQ(frame.Lit(), c.lit);
    EXPECT_NEAR(frame.Sum(), c.sum, c.lit * 3);  // each channel may round either way
    EXPECT_NEAR(frame.Red(static_cast<int>(c.x), static_cast<int>(c.y)), c.centreRed, 1);
  }
}

TEST(FlakeSplatter, GrowsSmallFlakesByTheViewScaleAndLargerOnesByAsManyPixels) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  struct Case {
    float half;
    int lit;
    long sum;
  };
  const Case cases[] = {
      {0.25f, 9, 3L * 255 * 3 * 3 / 4},     // three times the side: 1.5 × 1.5 pixels of light
      {4.0f, 12 * 12, 12 * 12 * 3L * 255},  // a pixel's growth, twice: 6 pixels from the middle
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.half);
    FlakeList list(1);
    FlakeAt(list, c.half < 1 ? 10.5f : 10.0f, c.half < 1 ? 8.5f : 8.0f, c.half, kFull);
    Frame frame(sprite, 3.0f);
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

TEST(FlakeSplatter, ClipsAFlakeAtEveryEdgeToThePartInside) {
  const FlakeSprite sprite(4, 4, kWhiteSquare);
  struct Case {
    const char* edge;
    float x, y;
    int lit;  // of the 4 × 4 pixels the flake covers
  };
  const Case cases[] = {
      {"left", 0, 8, 8},
      {"right", kWidth, 8, 8},
      {"top", 10, 0, 8},
      {"bottom", 10, kHeight, 8},
      {"top left", 0, 0, 4},
      {"bottom right", kWidth, kHeight, 4},
      {"beyond the left", -2, 8, 0},
      {"beyond the bottom", 10, kHeight + 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edge);
    FlakeList list(1);
    FlakeAt(list, c.x, c.y, 2, kFull);
    Frame frame(sprite);
    frame.Draw(list);
    EXPECT_EQ(frame.Lit(), c.lit);
    EXPECT_NEAR(frame.Sum(), c.lit * 3L * 255, c.lit * 3);
  }
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
