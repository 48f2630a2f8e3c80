#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

// Pumps this thread's messages until the condition holds or the time is up. With a dialog
// window, keys go through the dialog manager first, as in a modal dialog's loop.
inline bool PumpUntil(std::chrono::milliseconds timeout, const std::function<bool()>& condition,
                      HWND dialog = nullptr) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  MSG message;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog != nullptr && IsDialogMessageW(dialog, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}
