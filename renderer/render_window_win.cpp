#include "render_window.h"

#include "projection.h"

HINSTANCE hInstance = nullptr;
HWND hWnd = nullptr;
HDC hDC = nullptr;
HGLRC hRC = nullptr;
RECT clientRect = {};

namespace {

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
  return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnSize(LPARAM lParam) {
  // Full screen keeps the projection made at start-up.
  if (kFullScreen) return;
  ResizeScene(LOWORD(lParam), HIWORD(lParam));
  GetClientRect(hWnd, &clientRect);
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

HWND CreateRenderWindow(const char* title, int width, int height, DWORD style, bool fullScreen,
                        HINSTANCE instance) {
  RegisterRenderClass(instance);
  if (fullScreen && style == 0) {
    style = kFullScreenStyle;
    ChangeDisplayMode();
    ShowCursor(FALSE);
  } else if (style == 0) {
    style = kWindowedStyle;
  }
  hInstance = instance;
  RECT frame = {0, 0, width, height};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window =
      CreateWindowExA(0, kRendererWindowTitle, title, style, 0, 0, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
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
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(window, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void RestoreDisplay() {
  if (!kFullScreen) return;
  ChangeDisplaySettingsA(nullptr, 0);
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
