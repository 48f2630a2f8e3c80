#pragma once

#include <windows.h>

#include "shared_names.h"

// The fixed renderer settings: the display mode and window it asks for never change.
constexpr int kRenderWidth = 1024;
constexpr int kRenderHeight = 768;
constexpr BYTE kColourBits = 16;
constexpr bool kFullScreen = true;

// The renderer's window-side state; one instance for the process.
extern HINSTANCE hInstance;
extern HWND hWnd;
extern HDC hDC;
extern HGLRC hRC;
extern RECT clientRect;

// Registers the class, switches the display for full screen, creates and shows the window.
// A style of 0 picks the style from fullScreen. Returns null when the window cannot be made.
HWND CreateRenderWindow(const char* title, int width, int height, DWORD style, bool fullScreen,
                        HINSTANCE instance);
void ChangeDisplayMode();
LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Gives back the display mode and the cursor taken for full screen.
void RestoreDisplay();
void Teardown();
