#include "forms/window_dpi_win.h"

#include "forms/dpi_scale.h"
#include "forms/gdi_objects_win.h"

namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetWindowDpiAwarenessContextCall = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using SetThreadDpiAwarenessContextCall = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// Looked up by name: a program that linked them would not start on the systems that lack them.
template <typename Call>
Call User32Call(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int SystemDpi() {
  const ScreenContext screen;
  return GetDeviceCaps(screen.dc(), LOGPIXELSX);
}

}  // namespace

RECT ScaledRect(const RECT& design, int dpi) {
  return {ScaleEdge(design.left, dpi), ScaleEdge(design.top, dpi), ScaleEdge(design.right, dpi),
          ScaleEdge(design.bottom, dpi)};
}

int WindowDpi(HWND window) {
  static const auto call = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
  const UINT dpi = call != nullptr && window != nullptr ? call(window) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  static const auto call = User32Call<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
  if (call != nullptr) return call(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

SIZE WindowSizeForClient(SIZE client, DWORD style, int dpi) {
  static const auto call = User32Call<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
  RECT frame = {0, 0, client.cx, client.cy};
  if (call != nullptr) {
    call(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, 0);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

DPI_AWARENESS_CONTEXT WindowDpiAwareness(HWND window) {
  static const auto call =
      User32Call<GetWindowDpiAwarenessContextCall>("GetWindowDpiAwarenessContext");
  return call != nullptr ? call(window) : nullptr;
}

DPI_AWARENESS_CONTEXT SetThreadDpiAwareness(DPI_AWARENESS_CONTEXT awareness) {
  static const auto call =
      User32Call<SetThreadDpiAwarenessContextCall>("SetThreadDpiAwarenessContext");
  return call != nullptr ? call(awareness) : nullptr;
}
