#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "osmesa_canvas.h"
#include "projection.h"
#include "render_frame.h"
#include "renderer_state.h"
#include "snow_flake.h"

namespace {

constexpr int kSize = 256;
// 0.7 of full scale, as the rasteriser rounds it.
constexpr int kGreyLow = 178;
constexpr int kGreyHigh = 179;

class SnowDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResizeScene(kSize, kSize);
    InitRenderState(state);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  SnowFlake* Add(float x, float y, float z, float halfSize) {
    auto* flake = new SnowFlake(&list, state.frameTotal);
    flake->Set({x, y, z}, {0, 0, 0}, {0.7f, 0.7f, 0.7f, 1.0f}, halfSize, 5.0f);
    list.Add(flake);
    return flake;
  }

  // Half the side in pixels of a square of half size h at distance d under a 45 degree view.
  static double ProjectedHalfSide(double h, double d) {
    return h / (d * std::tan(22.5 * 3.14159265358979 / 180.0)) * (kSize / 2.0);
  }

  OsMesaCanvas canvas{kSize, kSize};
  RendererState state;
  FlakeList& list = *(state.flakeList = std::make_unique<FlakeList>(100));
};

TEST_F(SnowDrawingTest, UntexturedFlakeIsAGreySquareOfItsProjectedSize) {
  Add(0.0f, 0.0f, -10.0f, 1.0f);
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);

  const double half = ProjectedHalfSide(1.0, 10.0);  // about 30.9 pixels
  const OsMesaCanvas::Pixel centre = canvas.At(kSize / 2, kSize / 2);
  EXPECT_GE(centre.r, kGreyLow);
  EXPECT_LE(centre.r, kGreyHigh);
  EXPECT_EQ(centre.r, centre.g);
  EXPECT_EQ(centre.g, centre.b);

  const int inside = static_cast<int>(half) - 1;
  const int outside = static_cast<int>(half) + 2;
  EXPECT_EQ(canvas.At(kSize / 2 + inside, kSize / 2 + inside), centre);
  EXPECT_EQ(canvas.At(kSize / 2 - inside, kSize / 2 - inside), centre);
  EXPECT_EQ(canvas.At(kSize / 2 + outside, kSize / 2).r, 0);
  EXPECT_EQ(canvas.At(kSize / 2, kSize / 2 - outside).r, 0);

  const double expectedArea = (2 * half) * (2 * half);
  EXPECT_NEAR(canvas.CountLit(), expectedArea, 4 * 2 * half);
}

TEST_F(SnowDrawingTest, OverlappingFlakesAddUpAndSaturateAtWhite) {
  Add(0.0f, 0.0f, -10.0f, 1.0f);
  Add(0.5f, 0.0f, -10.0f, 1.0f);
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  // Left edge: one flake; right of centre: both, 0.7 + 0.7 clamps to full white.
  const OsMesaCanvas::Pixel single = canvas.At(kSize / 2 - 25, kSize / 2);
  const OsMesaCanvas::Pixel both = canvas.At(kSize / 2 + 5, kSize / 2);
  EXPECT_GE(single.r, kGreyLow);
  EXPECT_LE(single.r, kGreyHigh);
  EXPECT_EQ(both.r, 255);
  EXPECT_EQ(both.g, 255);
  EXPECT_EQ(both.b, 255);
}

// A negative half size draws the same square turned half a turn; a near-zero one draws nothing.
TEST_F(SnowDrawingTest, NegativeHalfSizeStillDrawsAndTinyOneDoesNot) {
  Add(0.0f, 0.0f, -10.0f, -0.3f);
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  const int lit = canvas.CountLit();
  const double half = ProjectedHalfSide(0.3, 10.0);
  EXPECT_NEAR(lit, (2 * half) * (2 * half), 4 * 2 * half);

  glClear(GL_COLOR_BUFFER_BIT);
  FlakeList tiny(1);
  auto* flake = new SnowFlake(&tiny, state.frameTotal);
  flake->Set({0, 0, -10}, {0, 0, 0}, {0.7f, 0.7f, 0.7f, 1}, 3e-9f, 5.0f);
  tiny.Add(flake);
  tiny.UpdateAndDraw(state.frameTotal, state.frameDelta);
  EXPECT_EQ(canvas.CountLit(), 0);
}

// The frame clears to black and draws nothing but the flakes: with flakes out of view the
// screen stays black even after something else was on it.
TEST_F(SnowDrawingTest, OnlyFlakesAreDrawnOnBlack) {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  ASSERT_GT(canvas.CountLit(), 0);
  InitRenderState(state);
  Add(0.0f, 0.0f, 10.0f, 1.0f);  // behind the viewer
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  EXPECT_EQ(canvas.CountLit(), 0);

  Add(0.0f, 0.0f, -10.0f, 1.0f);
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  const double half = ProjectedHalfSide(1.0, 10.0);
  EXPECT_NEAR(canvas.CountLit(), (2 * half) * (2 * half), 4 * 2 * half);
}

// Aged by exactly its life a flake is still drawn; in the next frame it is gone, undrawn.
TEST_F(SnowDrawingTest, FlakeIsDrawnAtExactlyItsLifeTime) {
  Add(0.0f, 0.0f, -10.0f, 1.0f);
  state.frameTotal = 5.0f;
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  EXPECT_GT(canvas.CountLit(), 0);

  glClear(GL_COLOR_BUFFER_BIT);
  state.frameTotal = 5.0001f;
  list.UpdateAndDraw(state.frameTotal, state.frameDelta);
  EXPECT_EQ(canvas.CountLit(), 0);
  EXPECT_EQ(list.count, 0);
}

// Two portrait monitors side by side: the flake moves once per frame and is drawn in each view,
// as a square (each view's own aspect), at the same place within it.
TEST_F(SnowDrawingTest, EveryViewDrawsTheFlakesMovedOnceAndSquare) {
  SnowFlake* flake = Add(0.0f, 0.0f, -10.0f, 1.0f);
  flake->velocity = {2.0f, 0.0f, 0.0f};
  state.frameDelta = 0.5f;
  const MonitorView views[] = {{0, 0, kSize / 2, kSize, 0.5},
                               {kSize / 2, 0, kSize / 2, kSize, 0.5}};
  DrawFrame(state, views);
  EXPECT_EQ(flake->position.x, 1.0f);

  struct Box {
    int left = kSize, right = -1, bottom = kSize, top = -1;
  } boxes[2];
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (canvas.At(x, y).r == 0) continue;
      Box& box = boxes[x / (kSize / 2)];
      box.left = std::min(box.left, x % (kSize / 2));
      box.right = std::max(box.right, x % (kSize / 2));
      box.bottom = std::min(box.bottom, y);
      box.top = std::max(box.top, y);
    }
  }
  for (const Box& box : boxes) {
    ASSERT_GE(box.right, 0) << "a view without the flake";
    EXPECT_NEAR(box.right - box.left, box.top - box.bottom, 1);
    // x = 1 at distance 10 lies right of the view's centre.
    EXPECT_GT(box.left + box.right, kSize / 2);
  }
  EXPECT_EQ(boxes[0].left, boxes[1].left);
  EXPECT_EQ(boxes[0].bottom, boxes[1].bottom);
}

// A client height of 0 must not divide by zero: it counts as 1, so the aspect is the width.
TEST_F(SnowDrawingTest, ZeroHeightCountsAsOne) {
  ResizeScene(kSize, 0);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], kSize);
  EXPECT_EQ(viewport[3], 1);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  // gluPerspective: m[0] = f / aspect, m[5] = f, with f = 1 / tan(22.5 degrees).
  EXPECT_NEAR(projection[5] / projection[0], kSize, 1e-6);
}

}  // namespace
