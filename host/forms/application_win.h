#pragma once

#include <windows.h>

#include <string>

// What the whole host knows about the running program.
inline constexpr wchar_t kApplicationTitle[] = L"氷花灯 (ScreenSaver)";

// Folder of the running program, without a trailing backslash except at a drive root.
std::wstring ProgramFolder();
// The command line's text after the program name.
std::wstring ArgumentText();
// The short (8.3) form of an existing path; empty when the volume keeps none or the path does
// not exist.
std::wstring ShortPathOf(const std::wstring& path);
HINSTANCE ApplicationInstance();
SIZE ScreenSize();
// The application-wide mouse pointer. Anything but the default holds over every window of the
// program, above a control's own pointer, until it is set back.
enum class ApplicationPointer { Default, Hourglass };
void SetApplicationPointer(ApplicationPointer pointer);
// For WM_SETCURSOR: shows the application-wide pointer and returns true when it is not the
// default, in which case the window must not put its own pointer in its place.
bool ShowApplicationPointer();
