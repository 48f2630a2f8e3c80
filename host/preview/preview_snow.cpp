#include "preview/preview_snow.h"

namespace {
// Lives end by 5.9 s: after six seconds the snow holds as many batches as it ever will.
constexpr double kSettleSeconds = 6.0;
constexpr double kSettleStepSeconds = 1.0 / 30.0;
}  // namespace

PreviewSnow::PreviewSnow(const FlakeSprite& sprite, int width, int height)
    : width_(width),
      height_(height),
      view_(DistantViewFor(height)),
      snowfall_(view_.flakesPerBatch),
      splatter_(sprite, width, height, view_.flakeScale) {
  snowfall_.Settle(kSettleSeconds, kSettleStepSeconds);
}

bool PreviewSnow::NextFrame(Clock::time_point now, std::span<std::uint32_t> pixels) {
  if (pixels.size() < static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
    return false;
  }
  const double elapsed = previous_ ? std::chrono::duration<double>(now - *previous_).count() : 0.0;
  previous_ = now;
  snowfall_.Step(elapsed, splatter_);
  return splatter_.Finish(pixels);
}
