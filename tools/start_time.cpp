// How long a program takes from its start to a window that is ready for input and fully painted,
// as the user meets it: CreateProcess, then WaitForInputIdle with a visible top-level window of
// the process, then the last change of the window's pixels on the screen (the window's rectangle
// captured over and over; settled once unchanged for the settle time). The window is then closed
// and the process awaited, so the next start meets no copy of it.
//
//   start_time [--rounds N] [--settle MS] PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...
//
// Several programs are started in turn, round after round, all in this one Wine session, so that
// they share its warm state and any drift of the machine alike. Round 0 is a warm-up. One line a
// start: "start P R idle MS visible MS settled MS", P the program's place on the line, R the
// round (tools/start-figures takes the medians).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "screen_capture.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kWindowTimeout = 30s;
constexpr auto kExitTimeout = 10s;
constexpr auto kCapturePause = 2ms;

struct Program {
  std::wstring path;
  std::wstring arguments;
};

struct Options {
  int rounds = 9;
  std::chrono::milliseconds settle = 1000ms;
  std::vector<Program> programs;
};

std::wstring Quoted(const std::wstring& argument) {
  return argument.find(L' ') == std::wstring::npos ? argument : L"\"" + argument + L"\"";
}

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  int i = 1;
  for (; i + 1 < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; i += 2) {
    const std::wstring name = argv[i];
    const long value = std::wcstol(argv[i + 1], nullptr, 10);
    if (name == L"--rounds") {
      options.rounds = static_cast<int>(value);
    } else if (name == L"--settle") {
      options.settle = std::chrono::milliseconds(value);
    } else {
      return false;
    }
  }
  bool programNext = true;
  for (; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--") {
      programNext = true;
    } else if (programNext) {
      options.programs.push_back({argument, L""});
      programNext = false;
    } else {
      std::wstring& text = options.programs.back().arguments;
      text += (text.empty() ? L"" : L" ") + Quoted(argument);
    }
  }
  return options.rounds > 0 && options.settle > 0ms && !options.programs.empty() && !programNext;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}

// The first visible top-level window of the process.
HWND VisibleWindowOf(DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

double MillisecondsSince(Clock::time_point began, Clock::time_point at) {
  return std::chrono::duration<double, std::milli>(at - began).count();
}

// When the window's pixels last changed: captures until they have held for the settle time.
// A move or a resize of the window counts as a change.
std::optional<Clock::time_point> LastPixelChange(HWND window, std::chrono::milliseconds settle) {
  std::optional<ScreenImage> seen;
  RECT seenArea = {};
  Clock::time_point changed = Clock::now();
  const Deadline deadline(kWindowTimeout);
  while (Clock::now() - changed < settle) {
    if (deadline.Passed() || !IsWindow(window)) return std::nullopt;
    RECT area = {};
    GetWindowRect(window, &area);
    std::optional<ScreenImage> image = CaptureScreenArea(area);
    if (!image) return std::nullopt;
    const bool sameArea = EqualRect(&area, &seenArea) != FALSE;
    if (!seen || !sameArea || image->CountDifferences(*seen) != 0) changed = Clock::now();
    seen = std::move(image);
    seenArea = area;
    Sleep(static_cast<DWORD>(kCapturePause.count()));
  }
  return changed;
}

// One start, measured and then ended; false when the program did not come up in time.
bool MeasureStart(const Program& program, std::size_t place, int round,
                  std::chrono::milliseconds settle) {
  const Clock::time_point began = Clock::now();
  ChildProcess child = ChildProcess::Start(program.path, program.arguments, FolderOf(program.path));
  if (!child.started()) {
    std::fwprintf(stderr, L"start_time: cannot start %ls (error %lu)\n", program.path.c_str(),
                  child.startError());
    return false;
  }
  const bool idle = child.WaitForInputIdle(kWindowTimeout);
  const Clock::time_point idleAt = Clock::now();
  HWND window = nullptr;
  PollUntil(
      kWindowTimeout, [&] { return (window = VisibleWindowOf(child.id())) != nullptr; }, 1ms);
  const Clock::time_point visibleAt = Clock::now();
  const std::optional<Clock::time_point> settledAt =
      window != nullptr ? LastPixelChange(window, settle) : std::nullopt;
  if (!idle || !settledAt) {
    std::fwprintf(stderr, L"start_time: %ls %ls showed no settled window\n", program.path.c_str(),
                  program.arguments.c_str());
    return false;
  }
  std::printf("start %zu %d idle %.1f visible %.1f settled %.1f\n", place, round,
              MillisecondsSince(began, idleAt), MillisecondsSince(began, visibleAt),
              MillisecondsSince(began, *settledAt));
  std::fflush(stdout);
  PostMessageW(window, WM_CLOSE, 0, 0);
  // A program still there after the wait is ended by the child's owner.
  return child.WaitForExit(kExitTimeout).has_value();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(
        "usage: start_time [--rounds N] [--settle MS] PROGRAM [ARGS...] [-- PROGRAM "
        "[ARGS...]]...\n",
        stderr);
    return 2;
  }
  for (int round = 0; round <= options.rounds; ++round) {
    for (std::size_t place = 0; place < options.programs.size(); ++place) {
      if (!MeasureStart(options.programs[place], place, round, options.settle)) return 1;
    }
  }
  return 0;
}
