#include "settings_launcher.h"

#include "deadline.h"
#include "setup_program.h"
#include "shipped_names.h"
#include "window_finder.h"

ChildProcess StartLauncher(const std::wstring& folder) {
  return ChildProcess::Start(folder + L"\\" + kLauncherFile, L"", folder);
}

HWND LauncherQuestion(const ChildProcess& launcher, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  // The dialog belongs to the host the launcher starts, another process.
  PollUntil(timeout, [&] {
    box = FindTopLevelWindow(L"#32770", kLauncherTitle, launcher.id());
    if (box != nullptr && IsWindowVisible(box)) return true;
    box = nullptr;
    return FindTopLevelWindow(nullptr, kSettingsCaption, 0) != nullptr;
  });
  return box;
}

bool SettingsDialogOpensAndCloses(std::chrono::milliseconds timeout) {
  const HWND dialog = WaitForTopLevelWindow(nullptr, kSettingsCaption, 0, timeout);
  if (dialog == nullptr) return false;
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  return WaitForNoTopLevelWindow(nullptr, kSettingsCaption, 0, timeout);
}
