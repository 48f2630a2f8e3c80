#pragma once

#include <windows.h>

#include "display_mode_choice.h"
#include "monitor_layout.h"
#include "shared_names.h"

// The fixed renderer settings: the display mode and window it asks for never change.
constexpr BYTE kColourBits = 16;
constexpr bool kFullScreen = true;

// The renderer's window-side state; one instance for the process.
extern HINSTANCE hInstance;
extern HWND hWnd;
extern HDC hDC;
extern HGLRC hRC;
extern RECT clientRect;
// The window over every monitor and each monitor's view in it, read after the mode switch.
extern RenderLayout renderLayout;

// Registers the class, switches the display for full screen as the choice says, reads the
// monitors and creates and shows the window over them. Returns null when the window cannot be
// made.
HWND CreateRenderWindow(const char* title, DisplayModeChoice choice, HINSTANCE instance);
void ChangeDisplayMode();
LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Gives back the display mode and the cursor taken for full screen.
void RestoreDisplay();
void Teardown();
