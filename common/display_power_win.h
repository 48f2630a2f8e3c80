#pragma once

#include <windows.h>

#include "display_power.h"

// What a window's messages say of the display's power, handed to the watch; the new power when
// it changed. A monitor-power system command (its wParam and lParam), and a power broadcast that
// carries the console display state.
std::optional<DisplayPower> OnMonitorPowerCommand(DisplayPowerWatch& watch, WPARAM command,
                                                  LPARAM request);
std::optional<DisplayPower> OnPowerBroadcast(DisplayPowerWatch& watch, WPARAM event,
                                             LPARAM setting);

// Asks the system to tell the window when the console display goes off, dims or comes on; the
// request is withdrawn when this goes. Without it the window still hears of monitor-power
// commands.
class DisplayStateNotification {
 public:
  explicit DisplayStateNotification(HWND window);
  ~DisplayStateNotification();
  DisplayStateNotification(const DisplayStateNotification&) = delete;
  DisplayStateNotification& operator=(const DisplayStateNotification&) = delete;

 private:
  HPOWERNOTIFY notification_ = nullptr;
};
