#include "snowfall.h"

#include <algorithm>
#include <cmath>

#include "flake_batch.h"

namespace {

// The saver keeps room for ten batches, though lives of at most 5.9 s never leave more than six.
constexpr int kBatchesHeld = 10;
// The height of the saver's own screen, at which a view is not distant at all.
constexpr int kSaverHeightPixels = 768;

class Discard final : public FlakeDrawer {
 public:
  void Draw(const SnowFlake&) override {}
};

}  // namespace

Snowfall::Snowfall(int flakesPerBatch)
    : flakesPerBatch_(flakesPerBatch), list_(flakesPerBatch * kBatchesHeld) {
  AddRandomFlakes(list_, flakesPerBatch_, 0.0f);
}

void Snowfall::Step(double elapsedSeconds, FlakeDrawer& drawer) {
  const auto previous = static_cast<float>(total_);
  total_ += elapsedSeconds;
  const auto total = static_cast<float>(total_);
  if (TakeBatchTurn(total, lastBatchTime_)) AddRandomFlakes(list_, flakesPerBatch_, total);
  list_.UpdateAndDraw(total, total - previous, drawer);
}

void Snowfall::Settle(double seconds, double stepSeconds) {
  Discard discard;
  for (double settled = 0.0; settled < seconds; settled += stepSeconds) Step(stepSeconds, discard);
}

DistantView DistantViewFor(int areaHeight) {
  const int height = std::clamp(areaHeight, 1, kSaverHeightPixels);
  const double shrink = static_cast<double>(height) / kSaverHeightPixels;
  // Flakes grow by the square root of the shrink and their number falls by the shrink, so the
  // share of the area they cover is the screen's.
  const int flakes = static_cast<int>(std::lround(kFlakesPerBatch * shrink));
  return {static_cast<float>(1.0 / std::sqrt(shrink)), std::max(flakes, 1)};
}
