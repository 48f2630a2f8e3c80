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

// Types the text character by character, as Unicode key strokes.
void TypeText(const std::wstring& text);
