// The host's preview in a window of its own. Under Wine a child window of another process never
// reaches the screen, so the display settings' preview cannot be watched there; this program
// gives the same preview form an area of its own making.
//
//   preview_viewer [--size WxH] [--frames FOLDER --count N --every MS]
//
// With --frames it captures the area from the screen N times, MS milliseconds apart, into
// FOLDER\frame-NNN.bmp and ends; it prints how long after its process began, and after it
// asked for the preview, the first frame of snow was shown.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "forms/gdi_objects_win.h"
#include "forms/picture_win.h"
#include "preview/preview_form_win.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kAreaClass[] = L"PreviewViewer";
constexpr wchar_t kAreaTitle[] = L"氷花灯 preview";
constexpr auto kFirstFrameTimeout = std::chrono::seconds(30);

struct Options {
  SIZE size = {152, 112};
  std::wstring frames;
  int count = 60;
  int everyMilliseconds = 50;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--size") {
      if (std::swscanf(value, L"%ldx%ld", &options.size.cx, &options.size.cy) != 2) return false;
    } else if (name == L"--frames") {
      options.frames = value;
    } else if (name == L"--count") {
      options.count = static_cast<int>(std::wcstol(value, nullptr, 10));
    } else if (name == L"--every") {
      options.everyMilliseconds = static_cast<int>(std::wcstol(value, nullptr, 10));
    } else {
      return false;
    }
  }
  return (argc % 2) == 1 && options.size.cx > 0 && options.size.cy > 0 && options.count > 0 &&
         options.everyMilliseconds > 0;
}

// A captioned window whose client area is the preview area; closing it ends the program.
HWND MakeArea(SIZE size) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
  };
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kAreaClass;
  RegisterClassW(&windowClass);
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  RECT bounds = {0, 0, size.cx, size.cy};
  AdjustWindowRect(&bounds, kStyle, FALSE);
  HWND frame = CreateWindowExW(0, kAreaClass, kAreaTitle, kStyle, 40, 40,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  if (frame == nullptr) return nullptr;
  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
  // The preview is made a child of a window covering the area, as the display settings do.
  return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, size.cx,
                         size.cy, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Handles messages until the time, or until the quit message (false).
bool PumpUntil(Clock::time_point until) {
  MSG message;
  for (;;) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return false;
      DispatchMessageW(&message);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
  }
}

// Milliseconds since this process began, by the system's record of its start.
double MillisecondsSinceStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](FILETIME t) {
    return static_cast<long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 10'000.0;
}

bool SaveArea(HWND area, SIZE size, const std::wstring& path) {
  POINT origin = {0, 0};
  ClientToScreen(area, &origin);
  const ScreenContext screen;
  const MemoryContext memory(screen.dc());
  Picture shot(CreateCompatibleBitmap(screen.dc(), size.cx, size.cy));
  {
    const SelectedObject selected(memory.dc(), shot.bitmap());
    if (!selected ||
        !BitBlt(memory.dc(), 0, 0, size.cx, size.cy, screen.dc(), origin.x, origin.y, SRCCOPY)) {
      return false;
    }
  }
  return SavePicture(shot, path);
}

int CaptureFrames(HWND area, const PreviewForm& preview, const Options& options,
                  Clock::time_point shown) {
  const auto start = Clock::now();
  while (preview.framesShown() == 0) {
    if (Clock::now() - start > kFirstFrameTimeout) {
      std::fprintf(stderr, "preview_viewer: no frame of snow\n");
      return 1;
    }
    if (!PumpUntil(Clock::now() + std::chrono::milliseconds(1))) return 1;
  }
  std::printf(
      "first frame of snow %.0f ms after the process began, %.0f ms after the preview "
      "was asked for\n",
      MillisecondsSinceStart(),
      std::chrono::duration<double, std::milli>(Clock::now() - shown).count());
  const auto every = std::chrono::milliseconds(options.everyMilliseconds);
  auto next = Clock::now() + every;
  for (int i = 0; i < options.count; ++i, next += every) {
    if (!PumpUntil(next)) return 1;
    wchar_t name[32];
    std::swprintf(name, 32, L"\\frame-%03d.bmp", i);
    if (!SaveArea(area, options.size, options.frames + name)) {
      std::fprintf(stderr, "preview_viewer: cannot save frame %d\n", i);
      return 1;
    }
  }
  std::printf("%d frames shown\n", preview.framesShown());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: preview_viewer [--size WxH] [--frames FOLDER --count N --every MS]\n");
    return 2;
  }
  HWND area = MakeArea(options.size);
  if (area == nullptr) return 1;
  const auto asked = Clock::now();
  const PreviewForm* preview = ShowPreview(area);
  if (preview == nullptr) return 1;
  if (!options.frames.empty()) return CaptureFrames(area, *preview, options, asked);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
