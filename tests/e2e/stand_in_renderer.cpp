// Stands in for the renderer where a test needs it to misbehave in a set way. The host starts
// its renderer without arguments, so the way comes through the environment the host passes on:
//   DRIFTMANTLE_STAND_IN=late-window  opens the "Driftmantle_VC" window after 2 s, until closed
//   DRIFTMANTLE_STAND_IN=no-window    ends after 1 s without ever opening a window
#include <windows.h>

#include <string>

namespace {

constexpr DWORD kLateWindowMilliseconds = 2000;
constexpr DWORD kNoWindowMilliseconds = 1000;

LRESULT CALLBACK StandInProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int RunLateWindow(HINSTANCE instance) {
  Sleep(kLateWindowMilliseconds);
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = StandInProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"Driftmantle_VC";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"Driftmantle_VC", L"Driftmantle_VC", WS_POPUP, 0, 0, 64, 64,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  wchar_t way[32] = {};
  GetEnvironmentVariableW(L"DRIFTMANTLE_STAND_IN", way, 32);
  if (std::wstring(way) == L"late-window") return RunLateWindow(instance);
  Sleep(kNoWindowMilliseconds);
  return 0;
}
