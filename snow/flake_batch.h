#pragma once

class FlakeList;

// The saver's batch: this many flakes, made whenever more than kBatchIntervalSeconds have passed
// since the last batch.
constexpr int kFlakesPerBatch = 1000;
constexpr float kBatchIntervalSeconds = 1.0f;

// True when more than kBatchIntervalSeconds have passed from lastBatchTime to total, which then
// becomes the last batch's time. One batch at most per step, so a step after a long pause does
// not catch up on missed ones.
bool TakeBatchTurn(float total, float& lastBatchTime);

// Appends count new flakes born at birthTime, each drawn from the generator in a fixed order so
// that one seed always gives the same snow; flakes a full list refuses are dropped.
void AddRandomFlakes(FlakeList& list, int count, float birthTime);
