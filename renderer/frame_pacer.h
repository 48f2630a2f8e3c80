#pragma once

#include <chrono>
#include <cstdint>

#include "frame_timer.h"

// Keeps frames from coming faster than the display can show them, for drivers that do not hold
// the buffer swap until the next refresh. Frames are due on a fixed grid of refresh periods, so a
// wait that ends a little late shortens the next one instead of slowing the snow down.
class FramePacer {
 public:
  // reportedRefreshHertz is the display mode's rate as the system gives it: 0 and 1 mean the
  // hardware's default, and those and rates no display has are taken as 60 Hz.
  FramePacer(const TimeSource& clock, std::uint32_t reportedRefreshHertz);

  // Marks the start of a frame.
  void FrameBegins();
  // How long the next frame is still to be held back; zero once it is due.
  std::chrono::microseconds TimeToWait() const;

 private:
  std::int64_t Now() const;
  std::int64_t NextDue() const;

  const TimeSource& clock_;
  bool hasCounter_ = false;
  std::int64_t ticksPerSecond_ = 0;
  std::int64_t framesPerSecond_ = 0;
  std::int64_t periodTicks_ = 0;  // rounded up
  // The grid is kept as a whole second and a frame count into it, which is exact at any rate and
  // keeps the products small however long the saver runs.
  std::int64_t secondStart_ = 0;
  std::int64_t framesIntoSecond_ = 0;
  bool started_ = false;
};
