#include "snow_batch.h"

#include "frame_values.h"
#include "renderer_state.h"
#include "snow_flake.h"

void InitFlakes(const TimeSource& clock) {
  flakeList = new FlakeList(kFlakeCapacity);
  frameTimer.Start(clock);
  frameTimer.Tick();
  frameTotal = frameTimer.total();
  frameDelta = frameTimer.delta();
  SpawnBatch();
}

// All flakes of one batch share their birth time, since the frame time changes only between
// frames.
void SpawnBatch() { AddRandomFlakes(*flakeList, kFlakesPerBatch, frameTotal); }

void DestroyFlakes() {
  delete flakeList;
  flakeList = nullptr;
}
