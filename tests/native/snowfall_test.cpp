#include <gtest/gtest.h>

#include <cmath>

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

TEST(DistantView, SmallerAreasShowFewerRelativelyLargerFlakes) {
  struct Case {
    int height;
    float flakeScale;
    int flakesPerBatch;
  };
  const Case cases[] = {
      {768, 1.0f, 1000}, {1200, 1.0f, 1000}, {192, 2.0f, 250}, {112, 2.6186f, 146}, {0, 27.713f, 1},
  };
  for (const Case& c : cases) {
    const DistantView view = DistantViewFor(c.height);
    EXPECT_NEAR(view.flakeScale, c.flakeScale, 1e-3) << c.height;
    EXPECT_EQ(view.flakesPerBatch, c.flakesPerBatch) << c.height;
  }
}

}  // namespace
