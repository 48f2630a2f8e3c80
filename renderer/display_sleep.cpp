#include "display_sleep.h"

void DisplaySleep::Follow(std::optional<DisplayPower> change) {
  if (!change) return;
  if (*change == DisplayPower::kOff) {
    timer_.Pause();
  } else {
    timer_.Resume();
  }
}
