#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "child_process.h"

// The Start-menu entry's program, which asks whether to make 氷花灯 the current screen saver
// when it is not, and then opens the settings dialog.
inline constexpr wchar_t kLauncherTitle[] = L"氷花灯";

// Starts the launcher installed in folder, as the Start-menu entry starts it.
ChildProcess StartLauncher(const std::wstring& folder);

// The box the launcher asks its question in; nullptr when it went on to the settings dialog
// without asking, or showed neither in time.
HWND LauncherQuestion(const ChildProcess& launcher, std::chrono::milliseconds timeout);

// Waits for the settings dialog the launcher opens and closes it. False when it did not open or
// did not close in time.
bool SettingsDialogOpensAndCloses(std::chrono::milliseconds timeout);
