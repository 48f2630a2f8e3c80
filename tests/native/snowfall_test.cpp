#include <gtest/gtest.h>

#include <cmath>

#include "flake_batch.h"
#include "random.h"
#include "snowfall.h"

namespace {

class Counter final : public FlakeDrawer {
 public:
  void Draw(const SnowFlake& flake) override {
    ++drawn;
    nearest = std::fmax(nearest, flake.position.z);
  }
  int drawn = 0;
  float nearest = -1000.0f;
};

TEST(Snowfall, MakesABatchOfItsSizeOnceMoreThanASecondHasPassed) {
  SeedRandom(5);
  Snowfall snow(40);
  EXPECT_EQ(snow.flakes(), 40);
  Counter first;
  snow.Step(0.5, first);
  snow.Step(0.5, first);
  EXPECT_EQ(first.drawn, 80) << "a second exactly is not yet more than one";
  Counter next;
  snow.Step(0.01, next);
  EXPECT_EQ(next.drawn, 80);
  EXPECT_EQ(snow.flakes(), 80);
  // Lives end by 5.9 s: a long step leaves only the batch it makes.
  Counter late;
  snow.Step(30.0, late);
  EXPECT_EQ(snow.flakes(), 40);
}

TEST(Snowfall, SettledSnowHoldsSeveralBatchesOfFlakesComingCloser) {
  SeedRandom(9);
  Snowfall snow(100);
  snow.Settle(7.0, 1.0 / 30.0);
  EXPECT_GE(snow.flakes(), 500);
  EXPECT_LE(snow.flakes(), 700);
  Counter counter;
  snow.Step(1.0 / 30.0, counter);
  EXPECT_GT(counter.nearest, -121.0f) << "flakes born 121 to 180 away have come nearer";
}

// A flake's projection and the area both scale with the area's height, so a flake drawn
// flakeScale times larger covers flakeScale² times the share of the area it would at full size.
// The snow then covers the screen's share of any area when flakesPerBatch × flakeScale² is the
// saver's batch, to the nearest whole flake. Areas taller than the screen are not distant and
// keep the saver's flakes.
TEST(DistantView, EveryAreaIsCoveredAsTheScreenIsWithFewerLargerFlakes) {
  for (int height = -1; height <= 1600; ++height) {
    const DistantView view = DistantViewFor(height);
    const double scaleSquared = static_cast<double>(view.flakeScale) * view.flakeScale;
    ASSERT_GE(view.flakeScale, 1.0f) << height;
    ASSERT_GE(view.flakesPerBatch, 1) << height;
    ASSERT_LE(view.flakesPerBatch, kFlakesPerBatch) << height;
    // Half a flake either way, and a little for the scale's float.
    ASSERT_NEAR(view.flakesPerBatch, kFlakesPerBatch / scaleSquared, 0.501) << height;
  }
}

}  // namespace
