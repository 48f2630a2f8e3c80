// The Windows half of tools/preview-figures: keeps the host's preview running on an area of its
// own, beside a copy of itself that only waits for messages, for the given seconds, while the
// figures are taken from outside. Wine keeps no processor time for other processes, so they
// cannot be read from here.
//
//   preview_hold HOST [--size WxH] [--seconds S]
//   preview_hold --idle
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "child_process.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Options {
  std::wstring host;
  SIZE size = {152, 112};
  int seconds = 60;
  bool idle = false;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (name == L"--idle") {
      options.idle = true;
    } else if (name == L"--size" && i + 1 < argc) {
      if (std::swscanf(argv[++i], L"%ldx%ld", &options.size.cx, &options.size.cy) != 2) {
        return false;
      }
    } else if (name == L"--seconds" && i + 1 < argc) {
      options.seconds = static_cast<int>(std::wcstol(argv[++i], nullptr, 10));
    } else {
      options.host = name;
    }
  }
  return options.idle || (!options.host.empty() && options.seconds > 0);
}

HWND MakeWindow(SIZE size) {
  return CreateWindowExW(0, L"STATIC", L"Preview area", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40,
                         40, size.cx, size.cy, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

// Handles this thread's messages until the time is up: the preview area is ours.
void PumpFor(std::chrono::seconds time) {
  const auto end = Clock::now() + time;
  MSG message;
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
  }
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

int Hold(const Options& options) {
  HWND area = MakeWindow(options.size);
  if (area == nullptr) return 1;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring handle = std::to_wstring(reinterpret_cast<std::uintptr_t>(area));
  const ChildProcess host =
      ChildProcess::Start(options.host, L"/p " + handle, FolderOf(options.host));
  const ChildProcess idle = ChildProcess::Start(self, L"--idle", FolderOf(self));
  if (!host.started() || !idle.started()) {
    std::fprintf(stderr, "preview_hold: cannot start the programs\n");
    return 1;
  }
  std::printf("holding the preview (%ldx%ld) for %d s\n", options.size.cx, options.size.cy,
              options.seconds);
  std::fflush(stdout);
  PumpFor(std::chrono::seconds(options.seconds));
  const bool ranThroughout = host.Running();
  // The preview ends with its area, as when the display settings close.
  DestroyWindow(area);
  const bool ended = host.WaitForExit(5s).has_value();
  std::printf("preview ran throughout: %s; ended with its area: %s\n", ranThroughout ? "yes" : "no",
              ended ? "yes" : "no");
  return ranThroughout && ended ? 0 : 1;
}

int WaitIdle() {
  if (MakeWindow({16, 16}) == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: preview_hold HOST [--size WxH] [--seconds S]\n");
    return 2;
  }
  return options.idle ? WaitIdle() : Hold(options);
}
