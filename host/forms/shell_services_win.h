#pragma once

#include <windows.h>
// windows.h first: commdlg.h needs its types.
#include <commdlg.h>

// The system's file chooser and the shell's open verb. Their libraries are loaded at the first
// call: only a user who picks a file or follows a link pays for them. When a library or its
// function cannot be had, the call fails as the system call fails, with the thread's last error
// saying why.

// GetOpenFileNameW: true when the user chose a file.
bool ShowOpenFileChooser(OPENFILENAMEW& request);

// ShellExecuteW's "open": true when the shell took the request.
bool OpenWithShell(HWND owner, const wchar_t* target);
