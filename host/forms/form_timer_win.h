#pragma once

#include <windows.h>

#include <functional>
#include <utility>

class Form;

// Whether a timer ticks as soon as its form has a window, or waits to be enabled.
enum class TimerStart { kDisabled, kEnabled };

// A timer on a form: a period and an on/off state, settable at any time. Ticks come through the
// form's message queue, so they never overlap another handler.
class FormTimer {
 public:
  FormTimer(Form& owner, UINT intervalMilliseconds, TimerStart start, std::function<void()> onTick);
  ~FormTimer();
  FormTimer(const FormTimer&) = delete;
  FormTimer& operator=(const FormTimer&) = delete;

  void SetEnabled(bool enabled);
  void SetInterval(UINT milliseconds);
  bool enabled() const { return enabled_; }
  UINT interval() const { return interval_; }

 private:
  friend class Form;
  UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }
  // Starts or stops the system timer to match the state, once the form has a window.
  void Arm();
  void Fire();

  Form& owner_;
  UINT interval_;
  bool enabled_;
  std::function<void()> onTick_;
};
