#pragma once

#include <windows.h>

#include <string>

// The user's current screen saver, as Windows keeps it: HKCU\Control Panel\Desktop, value
// SCRNSAVE.EXE, switched on by ScreenSaveActive. The setup program reads and writes it the same
// way, so the launcher and setup agree on whether 氷花灯 is the current saver.

// SCRNSAVE.EXE as stored; empty when there is none ("(None)" in Windows' settings deletes it).
std::wstring StoredCurrentSaver();

// Whether stored names the existing program host, in whichever form it was stored: the short
// path Windows and setup write, the long one, or either in another case.
bool NamesProgram(const std::wstring& stored, const std::wstring& host);

// Makes host the current saver as setup does (its short path where the volume keeps one) and
// switches the saver on, in the registry and in the running session. ERROR_SUCCESS, or the
// Win32 error of the step that failed.
DWORD MakeCurrentSaver(const std::wstring& host);
