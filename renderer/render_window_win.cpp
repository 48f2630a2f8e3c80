#include "render_window_win.h"

#include <imm.h>

#include <optional>

#include "display_power_win.h"
#include "monitor_layout.h"
#include "monitors_win.h"
#include "renderer_run_win.h"

namespace {

constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Above the taskbar and every other window that is not itself topmost, as a screen saver must be.
constexpr RenderWindowStyle kFullScreenWindow{kFullScreenStyle, WS_EX_TOPMOST};
constexpr RenderWindowStyle kWindowedWindow{WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                            0};

// The primary display's settings as the switch asks them.
class SystemDisplayModes final : public DisplayModePort {
 public:
  bool Request(ModeRequest request) override {
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    if (request == ModeRequest::kAsItIs) {
      // A mode that cannot be read cannot be asked for as it is.
      if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return false;
    } else {
      mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    }
    mode.dmPelsWidth = kRenderWidth;
    mode.dmPelsHeight = kRenderHeight;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
  }
};

DisplayModeOutcome SwitchSystemDisplayMode(DisplayModeChoice choice) {
  SystemDisplayModes port;
  return SwitchDisplayMode(choice, port);
}

LRESULT OnSysCommand(RendererRun& run, HWND window, WPARAM wParam, LPARAM lParam) {
  // The system would start a screen saver over ours; refuse it.
  if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
  // The display's power is noted and still left to the system to change.
  run.displaySleep.Follow(OnMonitorPowerCommand(run.displaySleep.watch(), wParam, lParam));
  return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnSize(RendererRun& run, HWND window, LPARAM lParam) {
  // Full screen keeps the layout made at start-up; a window is one view of its client area.
  if (kFullScreen) return;
  const ScreenRect client{0, 0, LOWORD(lParam), HIWORD(lParam)};
  run.renderLayout = PlanRenderLayout(DisplayModeChoice::kKeepEveryMonitor, {client});
  GetClientRect(window, &run.clientRect);
}

// The window's outer rectangle that gives it the area as its client area.
RECT WindowFrame(const ScreenRect& area, DWORD style) {
  RECT frame = {area.left, area.top, area.right, area.bottom};
  AdjustWindowRect(&frame, style, FALSE);
  return frame;
}

// A monitor added, removed or given another mode: the window moves over the monitors as they now
// are, and the next frame draws into their views.
void OnDisplayChange(RendererRun& run, HWND window) {
  // A window is laid out by its own size instead.
  if (!kFullScreen) return;
  const std::optional<RenderLayout> next = ReplanRenderLayout(MonitorRects(), run.renderLayout);
  if (!next) return;
  run.renderLayout = *next;
  const RECT frame = WindowFrame(run.renderLayout.window, kFullScreenStyle);
  SetWindowPos(window, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(window, &run.clientRect);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

void OnKeyDown(WPARAM key) {
  if (key == VK_ESCAPE) PostQuitMessage(0);
}

// The run a window was created for; null for the few messages that come before its creation data.
RendererRun* RunOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  return reinterpret_cast<RendererRun*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

RenderWindowClass::RenderWindowClass(HINSTANCE instance) : instance_(instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = RendererWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));      // IDI_APPLICATION
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  // Black from the moment the window shows: making the GL context takes a real GPU up to a few
  // hundred milliseconds before the first frame, and a dark room would see the window colour.
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kRendererWindowTitle;
  // A refused registration shows as a window that cannot be made.
  atom_ = RegisterClassA(&windowClass);
}

RenderWindowClass::~RenderWindowClass() {
  if (atom_ != 0) UnregisterClassA(kRendererWindowTitle, instance_);
}

FullScreenDisplay::FullScreenDisplay(DisplayModeChoice choice)
    : outcome_(SwitchSystemDisplayMode(choice)) {
  ShowCursor(FALSE);
}

// A switch that was asked for is undone even when it was refused: the registry's mode is what the
// desktop had before the run, whatever a half-made change left.
FullScreenDisplay::~FullScreenDisplay() {
  if (outcome_.restoreAtEnd) ChangeDisplaySettingsA(nullptr, 0);
  ShowCursor(TRUE);
}

RenderWindow::RenderWindow(RendererRun& run, const char* title, RenderWindowStyle style) {
  const RECT frame = WindowFrame(run.renderLayout.window, style.style);
  window_ = CreateWindowExA(style.exStyle, kRendererWindowTitle, title, style.style, frame.left,
                            frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                            nullptr, run.hInstance, &run);
}

RenderWindow::~RenderWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool CreateRenderWindow(RendererRun& run, const char* title, DisplayModeChoice choice,
                        HINSTANCE instance) {
  run.windowClass.emplace(instance);
  RenderWindowStyle style = kWindowedWindow;
  DisplayModeChoice modes = choice;
  if (kFullScreen) {
    style = kFullScreenWindow;
    modes = run.fullScreen.emplace(choice).modes();
  }
  run.hInstance = instance;
  // The switch moves and resizes the monitors, so they are read after it.
  run.renderLayout = PlanRenderLayout(modes, MonitorRects());
  const HWND window = run.hWnd.emplace(run, title, style).get();
  if (window == nullptr) return false;
  // The window reads no text: with an input method on, a key would open its composition box over
  // the snow, and the first Escape would only close that.
  ImmAssociateContextEx(window, nullptr, 0);
  ShowWindow(window, SW_SHOWNORMAL);
  // The host has let this process take the foreground; without it the keys, Escape included,
  // would stay with the program the user left.
  SetForegroundWindow(window);
  UpdateWindow(window);
  SetFocus(window);
  return true;
}

LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  RendererRun* const run = RunOf(window, message, lParam);
  if (run == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      OnSize(*run, window, lParam);
      return 0;
    case WM_DISPLAYCHANGE:
      OnDisplayChange(*run, window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(*run, window, wParam, lParam);
    case WM_POWERBROADCAST:
      run->displaySleep.Follow(OnPowerBroadcast(run->displaySleep.watch(), wParam, lParam));
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
