#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

// The Start-menu entry's program, which asks whether to make 氷花灯 the current screen saver
// when it is not, and then opens the settings dialog.
inline constexpr wchar_t kLauncherTitle[] = L"氷花灯";

// What one run of the launcher did.
struct LauncherRun {
  std::optional<std::wstring> question;  // the text of the box it asked in, if it asked
  bool yesAndNo = false;                 // the box offered both answers
  bool settingsShown = false;            // the settings dialog opened after it, and closed
  std::optional<DWORD> exitCode;
};

// Starts the launcher installed in folder as the Start-menu entry starts it, gives answer to its
// question if it asks one, and closes the settings dialog it then opens.
LauncherRun RunLauncher(const std::wstring& folder, int answer, std::chrono::milliseconds timeout);
