#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Where Windows keeps what the per-user setup installs, and the setup program run the ways a
// user and the system run it.
inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\氷花灯";
inline constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
inline constexpr wchar_t kCurrentSaver[] = L"SCRNSAVE.EXE";
inline constexpr wchar_t kSaverActive[] = L"ScreenSaveActive";
inline constexpr wchar_t kUninstallerFile[] = L"氷花灯-uninstall.exe";
// The name earlier setups gave the uninstaller, and many other programs give theirs.
inline constexpr wchar_t kEarlierUninstallerFile[] = L"uninstall.exe";
// The program the Start-menu entry starts; it opens the settings.
inline constexpr wchar_t kLauncherFile[] = L"氷花灯の設定.exe";
// The uninstaller's exit code when a program file could not be deleted.
inline constexpr DWORD kUninstallLeftProgramFiles = 3;

// %LOCALAPPDATA%\Programs\氷花灯, without a trailing separator.
std::wstring InstallFolder();
// The Start-menu entry's shortcut file.
std::wstring StartMenuEntry();

// Runs the setup program from beside the test with the given arguments. Its exit code, or
// nothing when it could not start or did not end in time.
std::optional<DWORD> RunSetup(const std::wstring& arguments);

// Runs the uninstall entry's QuietUninstallString the way the system's app list does. The
// uninstaller hands over to a copy of itself and returns at once, so the end of the work is
// known by the uninstall entry going away, which it removes last. False when the string is not
// a quoted program followed by arguments, or the uninstall did not finish in time.
bool RunQuietUninstall();

// The short (8.3) form of an existing path; the long one where the volume makes no short names,
// and path unchanged when it names nothing.
std::wstring ShortPathOf(const std::wstring& path);
