#pragma once

#include <chrono>
#include <cstdint>

#include "frame_pacer.h"
#include "frame_timer.h"

// The renderer's frame pacing on the wall clock, for the benchmark: frames are held back as the
// renderer holds them, by sleeping, while the snow itself still runs on the stepped clock.
class DisplayPace {
 public:
  explicit DisplayPace(std::uint32_t refreshHertz) : pacer_(clock_, refreshHertz) {}
  // Returns when the next frame is due, and marks its start.
  void WaitForNextFrame();

 private:
  class SteadyClock final : public TimeSource {
   public:
    bool CounterFrequency(std::int64_t& ticksPerSecond) const override;
    std::int64_t Counter() const override;
    std::uint32_t Milliseconds() const override;
  };

  SteadyClock clock_;
  FramePacer pacer_;
};
