#include "snow_batch.h"

#include <memory>

#include "renderer_state.h"
#include "snow_flake.h"

void InitFlakes(RendererState& state, const TimeSource& clock) {
  state.flakeList = std::make_unique<FlakeList>(kFlakeCapacity);
  state.frameTimer.Start(clock);
  state.AdvanceFrame();
  SpawnBatch(state);
}

// All flakes of one batch share their birth time, since the frame time changes only between
// frames.
void SpawnBatch(RendererState& state) {
  AddRandomFlakes(*state.flakeList, kFlakesPerBatch, state.frameTotal);
}
