#pragma once

#include <windows.h>

#include "display_sleep.h"

// Hands the display power the system reports to the run's display sleep.
void OnMonitorPowerCommand(DisplaySleep& sleep, LPARAM request);
void OnPowerBroadcast(DisplaySleep& sleep, WPARAM event, LPARAM setting);

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
