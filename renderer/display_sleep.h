#pragma once

#include <optional>

#include "display_power.h"
#include "frame_timer.h"

// While the display is off nothing is drawn, and the frame timer stops with it: the snow goes on
// where it was when the display comes back, with no frame that makes up for the dark time.
class DisplaySleep {
 public:
  explicit DisplaySleep(FrameTimer& timer) : timer_(timer) {}

  // Pauses or resumes the timer when the watch saw the power change.
  void Follow(std::optional<DisplayPower> change);
  DisplayPowerWatch& watch() { return watch_; }
  bool drawing() const { return watch_.on(); }

 private:
  FrameTimer& timer_;
  DisplayPowerWatch watch_;
};
