#pragma once

#include <cstdint>

// The system clocks the timer can read. Only the Windows implementation touches real clocks;
// tests drive the timer with a fake.
class TimeSource {
 public:
  // False when the system has no high-resolution counter.
  virtual bool CounterFrequency(std::int64_t& ticksPerSecond) const = 0;
  virtual std::int64_t Counter() const = 0;
  virtual std::uint32_t Milliseconds() const = 0;

 protected:
  ~TimeSource() = default;
};

// Seconds since Start and between the last two advances, as single-precision floats: after about
// 18 hours of running their resolution drops to 1/128 s, which the snow tolerates.
class FrameTimer {
 public:
  void Start(const TimeSource& clock);
  void Tick();
  // Time between a pause and the resume that follows is left out of the total and the delta, as
  // if the clock had stood still. A second pause or a resume without a pause changes nothing.
  void Pause();
  void Resume();
  float total() const { return total_; }
  float delta() const { return delta_; }

 private:
  double ReadCounter();
  double ReadMilliseconds();

  double (FrameTimer::*readNow_)() = nullptr;
  double baseTime_ = 0.0;  // seconds spent paused
  double pausedAt_ = 0.0;
  bool paused_ = false;
  float previousTotal_ = 0.0f;
  float secondsPerTick_ = 0.0f;
  float total_ = 0.0f;
  float delta_ = 0.0f;
  std::int64_t startCount_ = 0;
  std::int64_t currentCount_ = 0;
  const TimeSource* clock_ = nullptr;
};
