#pragma once

class FlakeList;

// The saver's batch: this many flakes, made whenever more than kBatchIntervalSeconds have passed
// since the last batch.
constexpr int kFlakesPerBatch = 1000;
constexpr float kBatchIntervalSeconds = 1.0f;

// Appends count new flakes born at birthTime, each drawn from the generator in a fixed order so
// that one seed always gives the same snow; flakes a full list refuses are dropped.
void AddRandomFlakes(FlakeList& list, int count, float birthTime);
