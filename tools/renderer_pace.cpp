// The Windows half of tools/pace-figures: starts a renderer from its own folder, keeps it running
// while the figures are taken from outside, then presses Escape and reports how long its window
// took to go.
//
//   renderer_pace RENDERER [--bitmap BMP] [--seconds S]
//
// With --bitmap the flake picture is put where the host writes it, so the flakes are textured as
// in a saver run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "child_process.h"
#include "deadline.h"
#include "shipped_names.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 30s;
constexpr auto kExitTimeout = 10s;

struct Options {
  std::wstring renderer;
  std::wstring bitmap;
  int seconds = 20;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (name.rfind(L"--", 0) != 0) {
      options.renderer = name;
    } else if (i + 1 < argc && name == L"--bitmap") {
      options.bitmap = argv[++i];
    } else if (i + 1 < argc && name == L"--seconds") {
      options.seconds = _wtoi(argv[++i]);
    } else {
      return false;
    }
  }
  return !options.renderer.empty() && options.seconds > 0;
}

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

bool PressEscapeAndTimeTheWindow(const ChildProcess& renderer, HWND window) {
  const auto posted = std::chrono::steady_clock::now();
  if (!PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1)) return false;
  const bool gone = PollUntil(
      kExitTimeout,
      [&] {
        return FindTopLevelWindow(kRendererWindow, kRendererWindow, renderer.id()) == nullptr;
      },
      1ms);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - posted;
  if (!gone) return false;
  std::printf("escape to window gone %.1f ms\n", took.count());
  return renderer.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kExitTimeout))
      .has_value();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: renderer_pace RENDERER [--bitmap BMP] [--seconds S]\n");
    return 2;
  }
  if (!options.bitmap.empty()) {
    CreateDirectoryW(kWorkingFolder, nullptr);
    if (!CopyFileW(options.bitmap.c_str(), kWorkingBitmap, FALSE)) return 1;
  }
  const ChildProcess renderer =
      ChildProcess::Start(options.renderer, L"", FolderOf(options.renderer));
  const HWND window =
      WaitForTopLevelWindow(kRendererWindow, kRendererWindow, renderer.id(),
                            std::chrono::duration_cast<std::chrono::milliseconds>(kStartTimeout));
  if (window == nullptr) return 1;
  std::printf("window shown at tick %lu\n", GetTickCount());
  std::fflush(stdout);
  const bool ran = HoldsThroughout(
      std::chrono::seconds(options.seconds), [&] { return renderer.Running(); }, 100ms);
  const bool ended = ran && PressEscapeAndTimeTheWindow(renderer, window);
  std::fflush(stdout);
  return ended ? 0 : 1;
}
