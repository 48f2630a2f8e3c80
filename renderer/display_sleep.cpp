#include "display_sleep.h"

namespace {
constexpr std::uint32_t kConsoleDisplayOff = 0;
constexpr std::intptr_t kMonitorPowerOn = -1;
constexpr std::intptr_t kMonitorPowerLow = 1;
constexpr std::intptr_t kMonitorPowerOff = 2;
}  // namespace

DisplayPower FromConsoleDisplayState(std::uint32_t state) {
  return state == kConsoleDisplayOff ? DisplayPower::kOff : DisplayPower::kOn;
}

std::optional<DisplayPower> FromMonitorPowerCommand(std::intptr_t request) {
  if (request == kMonitorPowerOn) return DisplayPower::kOn;
  if (request == kMonitorPowerLow || request == kMonitorPowerOff) return DisplayPower::kOff;
  return std::nullopt;
}

void DisplaySleep::ReportConsoleState(DisplayPower power) {
  consoleStateDelivered_ = true;
  Change(power);
}

void DisplaySleep::ReportMonitorPowerRequest(DisplayPower power) {
  if (!consoleStateDelivered_) Change(power);
}

void DisplaySleep::Change(DisplayPower power) {
  if (power == power_) return;
  power_ = power;
  if (power == DisplayPower::kOff) {
    timer_.Pause();
  } else {
    timer_.Resume();
  }
}
