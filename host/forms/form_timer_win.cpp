#include "forms/form_timer_win.h"

#include <algorithm>

#include "forms/form_win.h"

FormTimer::FormTimer(Form& owner, UINT intervalMilliseconds, TimerStart start,
                     std::function<void()> onTick)
    : owner_(owner),
      interval_(intervalMilliseconds),
      enabled_(start == TimerStart::kEnabled),
      onTick_(std::move(onTick)) {
  owner_.timers_.push_back(this);
  Arm();
}

FormTimer::~FormTimer() {
  if (owner_.window() != nullptr) KillTimer(owner_.window(), id());
  auto& timers = owner_.timers_;
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void FormTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Arm();
}

void FormTimer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Arm();
}

void FormTimer::Arm() {
  HWND window = owner_.window();
  if (window == nullptr) return;
  // A period of 0 keeps a timer silent, as an enabled timer without a period never ticks.
  if (enabled_ && interval_ > 0) {
    SetTimer(window, id(), interval_, nullptr);
  } else {
    KillTimer(window, id());
  }
}

void FormTimer::Fire() {
  if (enabled_ && onTick_) onTick_();
}
