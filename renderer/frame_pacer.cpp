#include "frame_pacer.h"

namespace {

constexpr std::uint32_t kDefaultRefreshHertz = 60;
// No display refreshes slower than film or faster than this; anything else is a bad report.
constexpr std::uint32_t kLowestRefreshHertz = 24;
constexpr std::uint32_t kHighestRefreshHertz = 1000;
constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kMicrosecondsPerSecond = 1000000;

// The system reports whole hertz rounded down (59 for a 59.94 Hz mode). Pacing one frame a second
// faster than the report is never slower than the display, so where vertical sync does hold the
// swaps the pacer never delays a frame past its refresh.
std::int64_t PacedFramesPerSecond(std::uint32_t reportedHertz) {
  const bool plausible =
      reportedHertz >= kLowestRefreshHertz && reportedHertz <= kHighestRefreshHertz;
  return (plausible ? reportedHertz : kDefaultRefreshHertz) + 1;
}

}  // namespace

FramePacer::FramePacer(const TimeSource& clock, std::uint32_t reportedRefreshHertz)
    : clock_(clock), framesPerSecond_(PacedFramesPerSecond(reportedRefreshHertz)) {
  hasCounter_ = clock.CounterFrequency(ticksPerSecond_) && ticksPerSecond_ > 0;
  if (!hasCounter_) ticksPerSecond_ = kMillisecondsPerSecond;
  periodTicks_ = (ticksPerSecond_ + framesPerSecond_ - 1) / framesPerSecond_;
}

std::int64_t FramePacer::Now() const {
  return hasCounter_ ? clock_.Counter() : static_cast<std::int64_t>(clock_.Milliseconds());
}

std::int64_t FramePacer::NextDue() const {
  return secondStart_ + framesIntoSecond_ * ticksPerSecond_ / framesPerSecond_;
}

void FramePacer::FrameBegins() {
  const std::int64_t now = Now();
  if (++framesIntoSecond_ == framesPerSecond_) {
    secondStart_ += ticksPerSecond_;
    framesIntoSecond_ = 0;
  }
  // A frame a whole period late starts a new grid rather than letting the next ones hurry to
  // catch up; so does a clock that went back (the millisecond clock wraps after 49.7 days).
  const std::int64_t ahead = NextDue() - now;
  if (!started_ || ahead <= 0 || ahead > periodTicks_) {
    secondStart_ = now;
    framesIntoSecond_ = 1;
    started_ = true;
  }
}

std::chrono::microseconds FramePacer::TimeToWait() const {
  if (!started_) return std::chrono::microseconds(0);
  const std::int64_t left = NextDue() - Now();
  // More than a period left means the clock went back since the frame began: no wait is right.
  if (left <= 0 || left > periodTicks_) return std::chrono::microseconds(0);
  return std::chrono::microseconds((left * kMicrosecondsPerSecond + ticksPerSecond_ - 1) /
                                   ticksPerSecond_);
}
