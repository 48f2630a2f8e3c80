#include "settings_launcher.h"

#include "child_process.h"
#include "deadline.h"
#include "message_box.h"
#include "setup_program.h"
#include "shipped_names.h"
#include "window_finder.h"

LauncherRun RunLauncher(const std::wstring& folder, int answer, std::chrono::milliseconds timeout) {
  const ChildProcess launcher = ChildProcess::Start(folder + L"\\" + kLauncherFile, L"", folder);
  LauncherRun run;
  HWND box = nullptr;
  // The dialog belongs to the host the launcher starts, another process.
  PollUntil(timeout, [&] {
    box = FindTopLevelWindow(L"#32770", kLauncherTitle, launcher.id());
    if (box != nullptr && IsWindowVisible(box)) return true;
    box = nullptr;
    return FindTopLevelWindow(nullptr, kSettingsCaption, 0) != nullptr;
  });
  if (box != nullptr) {
    run.question = MessageText(box);
    run.yesAndNo = GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
    PressBoxButton(box, answer);
  }
  const HWND dialog = WaitForTopLevelWindow(nullptr, kSettingsCaption, 0, timeout);
  if (dialog != nullptr) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    run.settingsShown = WaitForNoTopLevelWindow(nullptr, kSettingsCaption, 0, timeout);
  }
  run.exitCode = launcher.WaitForExit(timeout);
  return run;
}
