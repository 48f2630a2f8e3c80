#pragma once

#include "frame_timer.h"

// The Windows clocks: the performance counter and the multimedia millisecond clock.
class SystemClock final : public TimeSource {
 public:
  bool CounterFrequency(std::int64_t& ticksPerSecond) const override;
  std::int64_t Counter() const override;
  std::uint32_t Milliseconds() const override;
};
