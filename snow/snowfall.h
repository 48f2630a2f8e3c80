#pragma once

#include "snow_flake.h"

// The saver's snow stepped by its owner's clock instead of the renderer's frame timer: the same
// flakes, motion and batch cadence, with batches of the owner's size.
class Snowfall {
 public:
  // Makes the first batch, born at time 0.
  explicit Snowfall(int flakesPerBatch);

  // Moves the snow on by elapsed seconds: a batch when more than the batch interval has passed
  // since the last one, then every flake aged and moved, and each one alive handed to the drawer.
  void Step(double elapsedSeconds, FlakeDrawer& drawer);
  // Runs the snow undrawn for the given seconds in steps of stepSeconds, so that it starts as a
  // running saver's snow rather than as its first batch.
  void Settle(double seconds, double stepSeconds);

  int flakes() const { return list_.count; }

 private:
  int flakesPerBatch_;
  FlakeList list_;
  double total_ = 0.0;
  float lastBatchTime_ = 0.0f;
};

// How an area smaller than the saver's screen shows the saver as if seen from afar: the whole
// view, with fewer flakes each drawn relatively larger, so that they stay visible and together
// cover the same share of the area as on the screen.
struct DistantView {
  float flakeScale;    // multiplies each flake's projected size
  int flakesPerBatch;  // in place of the saver's kFlakesPerBatch
};

DistantView DistantViewFor(int areaHeight);
