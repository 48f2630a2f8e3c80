#include "display_power_win.h"

#include <cstdint>

namespace {

// GUID_CONSOLE_DISPLAY_STATE, written out so that no GUID library is needed.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

}  // namespace

std::optional<DisplayPower> OnMonitorPowerCommand(DisplayPowerWatch& watch, WPARAM command,
                                                  LPARAM request) {
  if ((command & 0xFFF0) != SC_MONITORPOWER) return std::nullopt;
  const auto power = FromMonitorPowerCommand(static_cast<std::intptr_t>(request));
  if (!power) return std::nullopt;
  return watch.ReportMonitorPowerRequest(*power);
}

std::optional<DisplayPower> OnPowerBroadcast(DisplayPowerWatch& watch, WPARAM event,
                                             LPARAM setting) {
  if (event != PBT_POWERSETTINGCHANGE || setting == 0) return std::nullopt;
  const auto* change = reinterpret_cast<const POWERBROADCAST_SETTING*>(setting);
  if (change->PowerSetting != kConsoleDisplayState || change->DataLength < sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD state = 0;
  CopyMemory(&state, change->Data, sizeof(state));
  return watch.ReportConsoleState(FromConsoleDisplayState(state));
}

DisplayStateNotification::DisplayStateNotification(HWND window)
    : notification_(RegisterPowerSettingNotification(window, &kConsoleDisplayState,
                                                     DEVICE_NOTIFY_WINDOW_HANDLE)) {}

DisplayStateNotification::~DisplayStateNotification() {
  if (notification_ != nullptr) UnregisterPowerSettingNotification(notification_);
}
