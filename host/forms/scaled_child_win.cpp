#include "forms/scaled_child_win.h"

#include "forms/form_win.h"
#include "forms/window_dpi_win.h"

ScaledChild::~ScaledChild() {
  if (form_ != nullptr) form_->Forget(*this);
}

int ScaledChild::JoinFormOf(HWND parent) {
  Form* form = Form::Holding(parent);
  if (form == nullptr) return WindowDpi(parent);
  if (form_ == nullptr) form->Adopt(*this);
  return form->dpi();
}
