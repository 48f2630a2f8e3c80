// One full-screen saver run with the given music, as Windows starts it: the host and renderer in a
// fresh program folder, the music file in a folder of its own beside them, /s, a while of snow,
// then Escape on the renderer. The wall-clock times of each step are written out so that a
// recording of the sound output, taken elsewhere on the same clock, can be lined up with the run.
// Steps, when given, follow the first while of snow, each followed by its own while: "off" and
// "on" broadcast a monitor-power request as a program that turns the display off does, "key"
// presses the media Play/Pause key.
//
//   sound_run_driver <seconds to run> <times file> <BgmKind> [music file [step:seconds,...]]
//
// Exit code 0 when every step worked.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "forms/ansi_text_win.h"
#include "program_folder.h"
#include "shipped_names.h"
#include "user_input.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 30s;
constexpr auto kEndTimeout = 10s;
// The host ends within about half a second of the renderer's window, its music's fall included:
// the bound the saver's own end-to-end test keeps.
constexpr auto kExitBound = 650ms;
constexpr LPARAM kMonitorOff = 2;
constexpr LPARAM kMonitorOn = -1;

// The settings file's keys are code page 932 bytes whatever the system's code page.
constexpr char kKeyBgmKind[] = "BGM\x8B\xE6\x95\xAA";  // "BGM区分"
constexpr char kKeyBgmFile[] = "BGM\xCC\xA7\xB2\xD9";  // "BGMﾌｧｲﾙ"

// Seconds since 1970 on the system clock, which the recording side reads too. FILETIME counts
// 100 ns steps from 1601; the coarse tick of GetSystemTimeAsFileTime (at worst about 16 ms) is
// well below the half seconds the recording is judged by.
double UnixSecondsNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr unsigned long long kTicksFrom1601To1970 = 116444736000000000ULL;
  return static_cast<double>(ticks - kTicksFrom1601To1970) / 1e7;
}

// A folder name with a blank and letters beyond ASCII that the ANSI code page can carry, as a
// user's music folder often has; a plain one only where the code page has neither.
std::wstring MusicFolderName() {
  for (const wchar_t* name : {L"音楽 フォルダ", L"Müsik Ördner"}) {
    if (EncodeAnsi(name)) return name;
  }
  return L"Music Folder";
}

// For the log, which is read on the other side as UTF-8 whatever the code page.
std::string Utf8Of(const std::wstring& text) {
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file << bytes;
  return static_cast<bool>(file);
}

int Fail(const char* what, unsigned long code = GetLastError()) {
  std::fprintf(stderr, "sound_run_driver: %s (error %lu)\n", what, code);
  return 1;
}

void Wait(double seconds) { Sleep(static_cast<DWORD>(seconds * 1000)); }

// The steps "name:seconds" in order; a step the driver does not know fails the run.
struct Step {
  std::wstring name;
  double seconds;
};

std::vector<Step> ReadSteps(const std::wstring& text) {
  std::vector<Step> steps;
  std::wstringstream list(text);
  std::wstring item;
  while (std::getline(list, item, L',')) {
    const std::size_t colon = item.find(L':');
    if (colon == std::wstring::npos) return {};
    steps.push_back({item.substr(0, colon), std::wcstod(item.c_str() + colon + 1, nullptr)});
  }
  return steps;
}

bool Perform(const std::wstring& step) {
  if (step == L"off" || step == L"on") {
    // As a program that turns the display off tells every top-level window.
    return PostMessageW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER,
                        step == L"off" ? kMonitorOff : kMonitorOn) != 0;
  }
  if (step == L"key") {
    PressKey(VK_MEDIA_PLAY_PAUSE);
    return true;
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || argc > 6) {
    std::fprintf(stderr,
                 "usage: sound_run_driver <seconds> <times file> <kind> [music file [steps]]\n");
    return 2;
  }
  const std::vector<Step> steps = argc == 6 ? ReadSteps(argv[5]) : std::vector<Step>{};
  if (argc == 6 && steps.empty()) return Fail("unreadable steps", 0);
  const double runSeconds = std::wcstod(argv[1], nullptr);
  if (!(runSeconds > 0 && runSeconds < 600)) return Fail("run time out of range", 0);
  const std::wstring timesFile = argv[2];

  ProgramFolder folder;
  if (!folder.created()) return Fail("no program folder");
  if (const unsigned long error = folder.Install(kHostFile)) return Fail("host copy", error);
  if (const unsigned long error = folder.Install(kRendererFile)) {
    return Fail("renderer copy", error);
  }

  // Integers as existing settings files hold them: a blank before a positive number.
  std::string settings = "[Section]\r\n";
  settings += std::string(kKeyBgmKind) + "= " + std::to_string(_wtoi(argv[3])) + "\r\n";
  std::wstring musicFile;
  if (argc >= 5) {
    const std::wstring musicFolder = folder.PathOf(MusicFolderName());
    musicFile = musicFolder + L"\\" + FileNameOf(argv[4]);
    if (!CreateDirectoryW(musicFolder.c_str(), nullptr)) return Fail("music folder");
    if (!CopyFileW(argv[4], musicFile.c_str(), TRUE)) return Fail("music file copy");
    const std::optional<std::string> musicFileBytes = EncodeAnsi(musicFile);
    if (!musicFileBytes) return Fail("music file path outside the ANSI code page", 0);
    settings += std::string(kKeyBgmFile) + "=" + *musicFileBytes + "\r\n";
  }
  if (!WriteBytes(folder.PathOf(kSettingsFile), settings)) return Fail("settings file");
  std::printf("music file: %s\n", musicFile.empty() ? "(none)" : Utf8Of(musicFile).c_str());

  const double hostStart = UnixSecondsNow();
  ChildProcess host = ChildProcess::Start(folder.PathOf(kHostFile), L"/s", folder.path());
  if (!host.started()) return Fail("host start", host.startError());
  const HWND renderer = WaitForTopLevelWindow(kRendererWindow, kRendererWindow, 0,
                                              std::chrono::milliseconds(kStartTimeout));
  if (renderer == nullptr) return Fail("no renderer window", 0);
  const double windowSeen = UnixSecondsNow();

  // The run's length is the point here, not a wait for something to happen.
  Wait(runSeconds);
  std::string stepTimes;
  int keyPresses = 0;
  for (const Step& step : steps) {
    // The music rests, but the run goes on: snow, host and all.
    if (!host.Running() || !IsWindow(renderer)) return Fail("the run ended before a step", 0);
    const double at = UnixSecondsNow();
    if (!Perform(step.name)) return Fail("step not performed");
    const std::string name(step.name.begin(), step.name.end());
    char line[64];
    if (name == "key") {
      std::snprintf(line, sizeof line, "key_%d %.3f\n", ++keyPresses, at);
    } else {
      std::snprintf(line, sizeof line, "%s %.3f\n", name.c_str(), at);
    }
    stepTimes += line;
    Wait(step.seconds);
  }
  if (!host.Running()) return Fail("host ended before Escape", 0);

  const double escapePressed = UnixSecondsNow();
  if (!PressKeyOnceInFront(renderer, VK_ESCAPE)) return Fail("the snow never came to the front", 0);
  PollUntil(
      kEndTimeout, [&] { return !IsWindow(renderer); }, 2ms);
  const auto windowGone = std::chrono::steady_clock::now();
  const std::optional<DWORD> exitCode =
      host.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kEndTimeout));
  if (!exitCode) return Fail("host still running after Escape", 0);
  const auto exitLatency = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - windowGone);
  const double hostEnded = UnixSecondsNow();

  char times[512];
  std::snprintf(times, sizeof times,
                "host_start %.3f\nwindow_seen %.3f\nescape_pressed %.3f\nhost_ended %.3f\n",
                hostStart, windowSeen, escapePressed, hostEnded);
  std::printf("%s%shost exit code %lu, %lld ms after the renderer's window\n", times,
              stepTimes.c_str(), static_cast<unsigned long>(*exitCode),
              static_cast<long long>(exitLatency.count()));
  if (!WriteBytes(timesFile, times + stepTimes)) return Fail("times file");
  if (exitLatency > kExitBound) return Fail("the host ended late after the renderer's window", 0);
  return 0;
}
