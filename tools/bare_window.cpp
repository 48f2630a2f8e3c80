// The yardstick for tools/start_time: the least a Win32 program does to show what the settings
// dialog shows at its simplest, a captioned window of the dialog's size with a label and two
// buttons, through user32, gdi32 and kernel32 alone. Closing the window ends it.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"BareWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr SIZE kClientSize = {495, 246};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

void AddChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT at) {
  HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                               at.right - at.left, at.bottom - at.top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassW(&windowClass) == 0) return 1;
  RECT frame = {0, 0, kClientSize.cx, kClientSize.cy};
  AdjustWindowRect(&frame, kStyle, FALSE);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(0, kClassName, L"Bare window", kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  AddChild(window, L"STATIC", L"A label", SS_LEFT, {12, 192, 177, 205});
  AddChild(window, L"BUTTON", L"OK", BS_PUSHBUTTON, {316, 200, 397, 225});
  AddChild(window, L"BUTTON", L"Cancel", BS_PUSHBUTTON, {400, 200, 481, 225});
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
