#pragma once

#include <windows.h>

// Registers a window class of this program with an arrow cursor and no background brush (its
// windows paint their own). Registering the same class again is harmless.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);
