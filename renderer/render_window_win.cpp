#include "render_window.h"

#include <optional>

#include "display_power_win.h"
#include "monitors_win.h"

HINSTANCE hInstance = nullptr;
HWND hWnd = nullptr;
HDC hDC = nullptr;
HGLRC hRC = nullptr;
RECT clientRect = {};
RenderLayout renderLayout;

namespace {

// Only a mode the renderer changed is given back: a kept one may be another program's.
bool modeSwitched = false;

constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

void RegisterRenderClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = RendererWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));      // IDI_APPLICATION
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kRendererWindowTitle;
  // A class left registered by an earlier failure is as good as a new one.
  RegisterClassA(&windowClass);
}

LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  // The system would start a screen saver over ours; refuse it.
  if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
  // The display's power is noted and still left to the system to change.
  if ((wParam & 0xFFF0) == SC_MONITORPOWER) OnMonitorPowerCommand(lParam);
  return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnSize(LPARAM lParam) {
  // Full screen keeps the layout made at start-up; a window is one view of its client area.
  if (kFullScreen) return;
  const ScreenRect client{0, 0, LOWORD(lParam), HIWORD(lParam)};
  renderLayout = PlanRenderLayout(DisplayModeChoice::kKeepEveryMonitor, {client});
  GetClientRect(hWnd, &clientRect);
}

// The window's outer rectangle that gives it the area as its client area.
RECT WindowFrame(const ScreenRect& area, DWORD style) {
  RECT frame = {area.left, area.top, area.right, area.bottom};
  AdjustWindowRect(&frame, style, FALSE);
  return frame;
}

// A monitor added, removed or given another mode: the window moves over the monitors as they now
// are, and the next frame draws into their views.
void OnDisplayChange(HWND window) {
  // A window is laid out by its own size instead.
  if (!kFullScreen) return;
  const std::optional<RenderLayout> next = ReplanRenderLayout(MonitorRects(), renderLayout);
  if (!next) return;
  renderLayout = *next;
  const RECT frame = WindowFrame(renderLayout.window, kFullScreenStyle);
  SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(window, &clientRect);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

void OnKeyDown(WPARAM key) {
  if (key == VK_ESCAPE) PostQuitMessage(0);
}

}  // namespace

void ChangeDisplayMode() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof(mode);
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return;
  mode.dmPelsWidth = kRenderWidth;
  mode.dmPelsHeight = kRenderHeight;
  if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) PostQuitMessage(0);
}

HWND CreateRenderWindow(const char* title, DisplayModeChoice choice, HINSTANCE instance) {
  RegisterRenderClass(instance);
  DWORD style = kWindowedStyle;
  if (kFullScreen) {
    style = kFullScreenStyle;
    if (choice == DisplayModeChoice::kSwitchPrimary) {
      ChangeDisplayMode();
      modeSwitched = true;
    }
    ShowCursor(FALSE);
  }
  hInstance = instance;
  // The switch moves and resizes the monitors, so they are read after it.
  renderLayout = PlanRenderLayout(choice, MonitorRects());
  const RECT frame = WindowFrame(renderLayout.window, style);
  HWND window = CreateWindowExA(0, kRendererWindowTitle, title, style, frame.left, frame.top,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  SetFocus(window);
  return window;
}

LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      OnSize(lParam);
      return 0;
    case WM_DISPLAYCHANGE:
      OnDisplayChange(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(window, wParam, lParam);
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wParam, lParam);
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void RestoreDisplay() {
  if (!kFullScreen) return;
  if (modeSwitched) ChangeDisplaySettingsA(nullptr, 0);
  modeSwitched = false;
  ShowCursor(TRUE);
}

void Teardown() {
  if (hRC != nullptr) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(hRC);
    hRC = nullptr;
  }
  if (hDC != nullptr) {
    ReleaseDC(hWnd, hDC);
    hDC = nullptr;
  }
  if (hWnd != nullptr) {
    DestroyWindow(hWnd);
    hWnd = nullptr;
  }
  RestoreDisplay();
  UnregisterClassA(kRendererWindowTitle, hInstance);
}
