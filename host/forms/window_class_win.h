#pragma once

#include <windows.h>

// Registers a window class of this program with an arrow cursor and no background brush (its
// windows paint their own). Registering the same class again is harmless.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

// The object behind a window of this program, for its window procedure: taken from the create
// parameter at WM_NCCREATE (which also hands the object its window), kept in the window's user
// data, and let go at WM_NCDESTROY (which also takes the window back), after which the window
// reaches no object. Null for a window with no object, or whose object has left it.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creating = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    creating->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner != nullptr && message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    owner->window_ = nullptr;
  }
  return owner;
}
