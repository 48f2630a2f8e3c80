#include "frame_timer.h"

void FrameTimer::Start(const TimeSource& clock) {
  clock_ = &clock;
  std::int64_t frequency = 0;
  if (clock.CounterFrequency(frequency)) {
    startCount_ = clock.Counter();
    secondsPerTick_ = static_cast<float>(1.0 / static_cast<double>(frequency));
    readNow_ = &FrameTimer::ReadCounter;
  } else {
    startCount_ = static_cast<std::int64_t>(clock.Milliseconds());
    secondsPerTick_ = 0.001f;
    readNow_ = &FrameTimer::ReadMilliseconds;
  }
}

// The product stays in double until Tick stores it, so long runs lose no more than the float total.
double FrameTimer::ReadCounter() {
  currentCount_ = clock_->Counter();
  return static_cast<double>(currentCount_ - startCount_) * static_cast<double>(secondsPerTick_);
}

// NOTE: the millisecond clock wraps after about 49.7 days; the reading is not corrected for it.
double FrameTimer::ReadMilliseconds() {
  const auto now = static_cast<std::int64_t>(clock_->Milliseconds());
  return static_cast<double>(now - startCount_) * static_cast<double>(secondsPerTick_);
}

void FrameTimer::Tick() {
  total_ = static_cast<float>((this->*readNow_)() - baseTime_);
  delta_ = total_ - previousTotal_;
  previousTotal_ = total_;
}

void FrameTimer::Pause() {
  if (paused_ || readNow_ == nullptr) return;
  pausedAt_ = (this->*readNow_)();
  paused_ = true;
}

void FrameTimer::Resume() {
  if (!paused_) return;
  baseTime_ += (this->*readNow_)() - pausedAt_;
  paused_ = false;
}
