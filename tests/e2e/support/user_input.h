#pragma once

#include <windows.h>

#include <string>

// Input as the user gives it, through the system's input queue: it reaches whichever window is
// under the pointer or has the keyboard focus, in any process of the desktop.

// Brings the window to the front so that it receives the keys.
void BringToFront(HWND window);

// Moves the pointer onto the middle of the window and returns once the pointer stands there. The
// window's program may see the move a little later: a test that needs it seen waits for what the
// window shows.
void PointAt(HWND window);

// Presses and releases the left button where the pointer stands.
void ClickHere();

// PointAt, then ClickHere: for windows that act on the press alone or need no hover first.
void ClickMiddleOf(HWND window);

// Presses and releases one key.
void PressKey(WORD virtualKey);

// Types the text character by character, as Unicode key strokes.
void TypeText(const std::wstring& text);
