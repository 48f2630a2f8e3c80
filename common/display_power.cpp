#include "display_power.h"

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

std::optional<DisplayPower> DisplayPowerWatch::ReportConsoleState(DisplayPower power) {
  consoleStateDelivered_ = true;
  return Change(power);
}

std::optional<DisplayPower> DisplayPowerWatch::ReportMonitorPowerRequest(DisplayPower power) {
  if (consoleStateDelivered_) return std::nullopt;
  return Change(power);
}

std::optional<DisplayPower> DisplayPowerWatch::Change(DisplayPower power) {
  if (power == power_) return std::nullopt;
  power_ = power;
  return power;
}
