#pragma once

#include <windows.h>

#include <string>

// The text a message box shows: the first static control with text in it.
std::wstring MessageText(HWND box);

// Presses the box's OK button the way a click does. False when the box has no OK button.
bool PressOk(HWND box);
