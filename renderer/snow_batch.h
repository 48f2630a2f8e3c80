#pragma once

#include "flake_batch.h"

class TimeSource;

constexpr int kFlakeCapacity = 10000;

// Creates the renderer's flake list, starts the frame timer and makes the first batch.
void InitFlakes(const TimeSource& clock);

// Appends kFlakesPerBatch new flakes to the renderer's list; flakes a full list refuses are
// dropped.
void SpawnBatch();

// Destroys the renderer's flake list and every flake in it.
void DestroyFlakes();
