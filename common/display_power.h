#pragma once

#include <cstdint>
#include <optional>

// Whether the system has the display on, as it tells a window.
enum class DisplayPower { kOn, kOff };

// The console display state a power-setting notification carries: 0 off, 1 on, 2 dimmed. A
// dimmed display still shows the snow.
DisplayPower FromConsoleDisplayState(std::uint32_t state);
// The power a monitor-power system command asks for: -1 on, 1 low power, 2 off; low power shows
// nothing either. Nothing for any other request.
std::optional<DisplayPower> FromMonitorPowerCommand(std::intptr_t request);

// Follows the display's power from what the system tells a window. A monitor-power request need
// not darken anything (a remote session, a system that ignores it), so where the system delivers
// the console display state, that state alone decides. Systems that deliver it send the current
// value as soon as it is asked for. Each report returns the new power when it changed.
class DisplayPowerWatch {
 public:
  std::optional<DisplayPower> ReportConsoleState(DisplayPower power);
  // Counts only while no console state has ever been delivered.
  std::optional<DisplayPower> ReportMonitorPowerRequest(DisplayPower power);
  bool on() const { return power_ == DisplayPower::kOn; }

 private:
  std::optional<DisplayPower> Change(DisplayPower power);

  DisplayPower power_ = DisplayPower::kOn;
  bool consoleStateDelivered_ = false;
};
