#include "red_window.h"

#include <future>

namespace {

constexpr wchar_t kClass[] = L"E2eRedWindow";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

void Run(const RECT& area, std::promise<HWND>& made) {
  const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = red;
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(0, kClass, L"other program", WS_POPUP | WS_VISIBLE, area.left,
                                      area.top, area.right - area.left, area.bottom - area.top,
                                      nullptr, nullptr, nullptr, nullptr);
  made.set_value(window);
  MSG message;
  while (window != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  UnregisterClassW(kClass, GetModuleHandleW(nullptr));
  DeleteObject(red);
}

}  // namespace

RedWindow::RedWindow(const RECT& area) {
  std::promise<HWND> made;
  std::future<HWND> window = made.get_future();
  thread_ = std::thread([&made, area] { Run(area, made); });
  window_ = window.get();
}

RedWindow::~RedWindow() {
  if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
  thread_.join();
}
