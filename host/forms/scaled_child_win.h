#pragma once

#include <windows.h>

class Form;

// A control on a form that follows the form's dots per inch: it keeps its place in the form's
// 96-dpi layout, takes the form's dpi when it is made, and is laid out again by the form when
// the form moves to a monitor of another resolution.
class ScaledChild {
 public:
  ScaledChild(const ScaledChild&) = delete;
  ScaledChild& operator=(const ScaledChild&) = delete;

  // Lays the control out for dpi.
  virtual void SetDpi(int dpi) = 0;

 protected:
  ScaledChild() = default;
  ~ScaledChild();

  // Joins the form that parent belongs to, which tells the control of every change of dpi from
  // now on, and returns the form's dpi; outside a form, the dpi of the parent's monitor.
  int JoinFormOf(HWND parent);

 private:
  friend class Form;
  Form* form_ = nullptr;
};
