#include <gtest/gtest.h>

#include "fake_clock.h"
#include "osmesa_canvas.h"
#include "random.h"
#include "render_frame.h"
#include "renderer_state.h"
#include "snow_batch.h"
#include "snow_flake.h"

namespace {

class SnowBatchTest : public ::testing::Test {
 protected:
  // Advances the fake clock and the frame as the message loop does.
  void AdvanceTo(double seconds) {
    clock.counter = static_cast<std::int64_t>(seconds * clock.frequency);
    state.AdvanceFrame();
  }

  // Draws one frame at the given time; the flakes alive after it.
  int FrameAt(double seconds) {
    AdvanceTo(seconds);
    DrawFrame(state);
    return state.flakeList->count;
  }

  OsMesaCanvas canvas{32, 32};
  FakeClock clock;
  RendererState state;
};

// Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358 for the first flake and
// 26962, 24464, 5705, 28145, 23281, 16827, 9961, 491 for the second; the values below follow
// from them by hand: x = 41 mod 80 - 50, ..., halfSize = (29358 mod 10 - 5) * 0.1 + 0.2f.
TEST_F(SnowBatchTest, FixedSeedGivesEightDrawsPerFlakeInOrder) {
  SeedRandom(1);
  InitFlakes(state, clock);
  ASSERT_EQ(state.flakeList->count, 1000);

  const SnowFlake& first = *state.flakeList->head;
  EXPECT_EQ(first.position.x, -9.0f);
  EXPECT_EQ(first.position.y, 17.0f);
  EXPECT_EQ(first.position.z, -146.0f);
  EXPECT_EQ(first.velocity.x, -0.005f);
  EXPECT_EQ(first.velocity.y, 8.995f);
  EXPECT_EQ(first.velocity.z, 3.985f);
  EXPECT_EQ(first.lifeTime, 5.8f);
  EXPECT_EQ(first.halfSize, 0.5f);

  const SnowFlake& second = *first.next;
  EXPECT_EQ(second.position.x, -48.0f);
  EXPECT_EQ(second.position.y, 14.0f);
  EXPECT_EQ(second.position.z, -175.0f);
  EXPECT_EQ(second.velocity.x, 4.995f);
  EXPECT_EQ(second.velocity.y, 0.995f);
  EXPECT_EQ(second.velocity.z, 26.985f);
  EXPECT_EQ(second.lifeTime, 5.1f);
  EXPECT_EQ(second.halfSize, -0.2f);

  for (const SnowFlake* f = state.flakeList->head; f != nullptr; f = f->next) {
    ASSERT_EQ(f->birthTime, state.frameTotal);
    ASSERT_EQ(f->colour.r, 0.7f);
    ASSERT_EQ(f->colour.a, 1.0f);
    ASSERT_TRUE(f->alive);
    ASSERT_GE(f->position.z, -180.0f);
    ASSERT_LE(f->position.z, -121.0f);
  }
}

TEST_F(SnowBatchTest, FramesSpawnOnlyAfterMoreThanASecondAndOnceAfterALongPause) {
  SeedRandom(7);
  InitFlakes(state, clock);
  InitRenderState(state);

  EXPECT_EQ(FrameAt(0.5), 1000);
  EXPECT_EQ(FrameAt(1.0), 1000);  // exactly one second is not more than one
  EXPECT_EQ(FrameAt(1.001), 2000);
  EXPECT_EQ(FrameAt(2.0), 2000);

  // Ten seconds without a frame: every older flake has died, and only one new batch comes.
  EXPECT_EQ(FrameAt(12.0), 1000);
  for (const SnowFlake* f = state.flakeList->head; f != nullptr; f = f->next) {
    ASSERT_EQ(f->birthTime, 12.0f);
  }
  // The cadence starts again from that batch rather than catching up on the missed ones.
  EXPECT_EQ(FrameAt(12.1), 1000);
  EXPECT_EQ(FrameAt(13.0), 1000);
  EXPECT_EQ(FrameAt(13.001), 2000);
}

// A full list drops the rest of a batch without disturbing the flakes it holds.
TEST_F(SnowBatchTest, BatchIntoANearlyFullListStopsAtCapacity) {
  SeedRandom(3);
  InitFlakes(state, clock);
  for (int i = 0; i < 8; ++i) SpawnBatch(state);
  ASSERT_EQ(state.flakeList->count, 9000);
  SnowFlake* oldTail = state.flakeList->tail;
  SpawnBatch(state);
  SpawnBatch(state);
  EXPECT_EQ(state.flakeList->count, kFlakeCapacity);
  EXPECT_NE(state.flakeList->tail, oldTail);
  EXPECT_EQ(state.flakeList->tail->next, nullptr);
}

}  // namespace
