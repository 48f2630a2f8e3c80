#pragma once

#include "flake_batch.h"

struct RendererState;
class TimeSource;

constexpr int kFlakeCapacity = 10000;

// Creates the run's flake list, starts the frame timer and makes the first batch.
void InitFlakes(RendererState& state, const TimeSource& clock);

// Appends kFlakesPerBatch new flakes to the run's list; flakes a full list refuses are dropped.
void SpawnBatch(RendererState& state);
