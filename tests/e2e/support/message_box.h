#pragma once

#include <windows.h>

#include <chrono>
#include <string>

// Polls until the process shows a message box with this title; nullptr if none showed in time.
// The box exists before its text and buttons are in place; it is shown only once they are.
HWND WaitForMessageBox(const wchar_t* title, DWORD processId, std::chrono::milliseconds timeout);

// The text a message box shows: the first static control with text in it.
std::wstring MessageText(HWND box);

// Presses the box's button with this id (IDOK, IDYES, IDNO) the way a click does. False when the
// box has no such button.
bool PressBoxButton(HWND box, int id);
inline bool PressOk(HWND box) { return PressBoxButton(box, IDOK); }
