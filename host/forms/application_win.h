#pragma once

#include <windows.h>

#include <string>

// What the whole host knows about the running program.
inline constexpr wchar_t kApplicationTitle[] = L"氷花灯 (ScreenSaver)";

// Folder of the running program, without a trailing backslash except at a drive root.
std::wstring ProgramFolder();
// The command line's text after the program name.
std::wstring ArgumentText();
HINSTANCE ApplicationInstance();
SIZE ScreenSize();
// The application-wide mouse pointer: the hourglass while true, the default otherwise.
void ShowBusyPointer(bool busy);
