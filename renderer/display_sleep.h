#pragma once

#include <cstdint>
#include <optional>

#include "frame_timer.h"

// Whether the system has the display on, as it tells a window.
enum class DisplayPower { kOn, kOff };

// The console display state a power-setting notification carries: 0 off, 1 on, 2 dimmed. A
// dimmed display still shows the snow.
DisplayPower FromConsoleDisplayState(std::uint32_t state);
// The power a monitor-power system command asks for: -1 on, 1 low power, 2 off; low power shows
// nothing either. Nothing for any other request.
std::optional<DisplayPower> FromMonitorPowerCommand(std::intptr_t request);

// While the display is off nothing is drawn, and the frame timer stops with it: the snow goes on
// where it was when the display comes back, with no frame that makes up for the dark time.
// A monitor-power request need not darken anything (a remote session, a system that ignores it),
// so where the system delivers the console display state, that state alone decides. Systems that
// deliver it send the current value as soon as it is asked for.
class DisplaySleep {
 public:
  explicit DisplaySleep(FrameTimer& timer) : timer_(timer) {}

  // Pauses or resumes the timer when the power changes; a repeated report changes nothing.
  void ReportConsoleState(DisplayPower power);
  // Counts only while no console state has ever been delivered.
  void ReportMonitorPowerRequest(DisplayPower power);
  bool drawing() const { return power_ == DisplayPower::kOn; }

 private:
  void Change(DisplayPower power);

  FrameTimer& timer_;
  DisplayPower power_ = DisplayPower::kOn;
  bool consoleStateDelivered_ = false;
};
