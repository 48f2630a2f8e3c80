#include <gtest/gtest.h>

#include <vector>

#include "osmesa_canvas.h"
#include "snow_flake.h"

namespace {

int destroyed = 0;

class CountedFlake final : public SnowFlake {
 public:
  using SnowFlake::SnowFlake;
  ~CountedFlake() override { ++destroyed; }
};

class FlakeListTest : public ::testing::Test {
 protected:
  void SetUp() override { destroyed = 0; }

  // A flake born now that lives the given seconds.
  SnowFlake* Make(FlakeList& list, float lifeTime) {
    auto* flake = new CountedFlake(&list, frameTotal);
    flake->Set({0, 0, -10}, {0, 0, 0}, {0.7f, 0.7f, 0.7f, 1}, 0.5f, lifeTime);
    return flake;
  }

  // The flakes reached from head, checking that tail is the last and count matches.
  static std::vector<SnowFlake*> Walk(const FlakeList& list) {
    std::vector<SnowFlake*> flakes;
    for (SnowFlake* f = list.head; f != nullptr; f = f->next) flakes.push_back(f);
    EXPECT_EQ(static_cast<int>(flakes.size()), list.count);
    EXPECT_EQ(list.tail, flakes.empty() ? nullptr : flakes.back());
    return flakes;
  }

  OsMesaCanvas canvas{16, 16};
  // The frame's seconds, as the renderer hands them to its flakes.
  float frameTotal = 0.0f;
  float frameDelta = 0.0f;
};

TEST_F(FlakeListTest, RemovingTheOnlyFlakeEmptiesTheListAndAddStartsAgain) {
  FlakeList list(10);
  ASSERT_TRUE(list.Add(Make(list, 1.0f)));
  frameTotal = 2.0f;
  list.UpdateAndDraw(frameTotal, frameDelta);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.tail, nullptr);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(destroyed, 1);

  SnowFlake* again = Make(list, 1.0f);
  ASSERT_TRUE(list.Add(again));
  EXPECT_EQ(list.head, again);
  EXPECT_EQ(list.tail, again);
}

TEST_F(FlakeListTest, RemovingTailMakesSurvivorTailAndNextAddLinksAfterIt) {
  FlakeList list(10);
  SnowFlake* first = Make(list, 9.0f);
  SnowFlake* second = Make(list, 9.0f);
  SnowFlake* dying = Make(list, 1.0f);
  list.Add(first);
  list.Add(second);
  list.Add(dying);
  frameTotal = 2.0f;
  list.UpdateAndDraw(frameTotal, frameDelta);
  EXPECT_EQ(Walk(list), (std::vector<SnowFlake*>{first, second}));

  SnowFlake* added = Make(list, 9.0f);
  list.Add(added);
  EXPECT_EQ(Walk(list), (std::vector<SnowFlake*>{first, second, added}));
}

// Survivors on both sides of each removal move by exactly one frame's step: a pass that went
// back over the list after a removal would move the earlier ones again.
TEST_F(FlakeListTest, RemovingHeadAndMiddleKeepsOrderAndMovesEachSurvivorOnce) {
  FlakeList list(10);
  std::vector<SnowFlake*> flakes;
  const float lives[] = {1.0f, 9.0f, 1.0f, 9.0f, 1.0f, 1.0f, 9.0f};
  for (float life : lives) {
    flakes.push_back(Make(list, life));
    flakes.back()->velocity = {2.0f, -4.0f, 8.0f};
    list.Add(flakes.back());
  }
  frameTotal = 2.0f;
  frameDelta = 0.5f;
  list.UpdateAndDraw(frameTotal, frameDelta);
  EXPECT_EQ(Walk(list), (std::vector<SnowFlake*>{flakes[1], flakes[3], flakes[6]}));
  EXPECT_EQ(destroyed, 4);
  for (const SnowFlake* survivor : Walk(list)) {
    EXPECT_EQ(survivor->position.x, 1.0f);
    EXPECT_EQ(survivor->position.y, -2.0f);
    EXPECT_EQ(survivor->position.z, -6.0f);
  }
}

TEST_F(FlakeListTest, AddAtCapacityIsRefusedAndChangesNothing) {
  FlakeList list(2);
  SnowFlake* a = Make(list, 1.0f);
  SnowFlake* b = Make(list, 1.0f);
  ASSERT_TRUE(list.Add(a));
  ASSERT_TRUE(list.Add(b));
  SnowFlake* refused = Make(list, 1.0f);
  refused->next = a;  // a refused flake must not be relinked either
  EXPECT_FALSE(list.Add(refused));
  EXPECT_EQ(Walk(list), (std::vector<SnowFlake*>{a, b}));
  EXPECT_EQ(refused->next, a);
  delete refused;
}

TEST_F(FlakeListTest, DestroyingTheListDestroysEveryFlakeOnce) {
  {
    FlakeList list(100);
    for (int i = 0; i < 37; ++i) list.Add(Make(list, 1.0f));
  }
  EXPECT_EQ(destroyed, 37);
}

// Aged by exactly its life a flake still moves and is drawn; any later it is removed undrawn.
TEST_F(FlakeListTest, FlakeLivesThroughItsLastInstantAndDiesUndrawnAfter) {
  FlakeList list(10);
  frameTotal = 3.0f;
  SnowFlake* flake = Make(list, 5.0f);
  flake->velocity = {1.0f, 0.0f, 0.0f};
  list.Add(flake);
  ASSERT_EQ(flake->birthTime, 3.0f);

  frameTotal = 8.0f;
  frameDelta = 0.25f;
  list.UpdateAndDraw(frameTotal, frameDelta);
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(flake->position.x, 0.25f);

  frameTotal = 8.001f;
  list.UpdateAndDraw(frameTotal, frameDelta);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
