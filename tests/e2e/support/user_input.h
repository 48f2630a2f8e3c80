#pragma once

#include <windows.h>

#include <string>

// Input as the user gives it, through the system's input queue: it reaches whichever window is
// under the pointer or has the keyboard focus, in any process of the desktop.

// Brings the window to the front so that it receives the keys.
void BringToFront(HWND window);

// Moves the pointer onto the screen point and, once it stands there, presses and releases the
// left button at that point.
void ClickAt(POINT at);
// The same on the middle of the window.
void ClickMiddleOf(HWND window);

// Presses and releases one key.
void PressKey(WORD virtualKey);
// The same once the window has come to the front by its own doing (it is not brought there), so
// that the key is the window's; false, with no key pressed, when it was not in front in time.
bool PressKeyOnceInFront(HWND window, WORD virtualKey);

// Types the text character by character, as Unicode key strokes.
void TypeText(const std::wstring& text);
