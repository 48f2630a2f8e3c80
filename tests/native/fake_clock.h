#pragma once

#include <cstdint>

#include "frame_timer.h"

// A clock the test sets by hand. With hasCounter false the timer must fall back to milliseconds.
class FakeClock final : public TimeSource {
 public:
  bool CounterFrequency(std::int64_t& ticksPerSecond) const override {
    ticksPerSecond = frequency;
    return hasCounter;
  }
  std::int64_t Counter() const override { return counter; }
  std::uint32_t Milliseconds() const override { return milliseconds; }

  bool hasCounter = true;
  std::int64_t frequency = 1000000;
  std::int64_t counter = 0;
  std::uint32_t milliseconds = 0;
};
