#pragma once

#include <windows.h>

#include "display_mode_choice.h"
#include "shared_names.h"

struct RendererRun;

// The fixed renderer settings: the display mode and window it asks for never change.
constexpr BYTE kColourBits = 16;
constexpr bool kFullScreen = true;

// The renderer's window class, registered while this lives.
class RenderWindowClass {
 public:
  explicit RenderWindowClass(HINSTANCE instance);
  ~RenderWindowClass();
  RenderWindowClass(const RenderWindowClass&) = delete;
  RenderWindowClass& operator=(const RenderWindowClass&) = delete;

 private:
  HINSTANCE instance_;
  ATOM atom_;
};

// Full screen while this lives: the primary display switched to 1024 x 768 when the choice says
// so and the system takes it, every monitor left in its mode otherwise, and the cursor hidden.
class FullScreenDisplay {
 public:
  explicit FullScreenDisplay(DisplayModeChoice choice);
  // Gives back the mode when a switch was asked for (a kept mode may be another program's), and
  // then the cursor.
  ~FullScreenDisplay();
  FullScreenDisplay(const FullScreenDisplay&) = delete;
  FullScreenDisplay& operator=(const FullScreenDisplay&) = delete;

  // How the run lies over the monitors: switched only when the system took the switch.
  DisplayModeChoice modes() const { return outcome_.modes; }

 private:
  DisplayModeOutcome outcome_;
};

// How a window of the renderer's class is made.
struct RenderWindowStyle {
  DWORD style;
  DWORD exStyle;
};

// A window of the renderer's class, destroyed with this; its messages reach the run.
class RenderWindow {
 public:
  RenderWindow(RendererRun& run, const char* title, RenderWindowStyle style);
  ~RenderWindow();
  RenderWindow(const RenderWindow&) = delete;
  RenderWindow& operator=(const RenderWindow&) = delete;

  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Registers the class, switches the display for full screen as the choice says, reads the
// monitors and creates and shows the window over them, each held by the run. False when the
// window cannot be made; what was taken until then stays with the run, which gives it back.
bool CreateRenderWindow(RendererRun& run, const char* title, DisplayModeChoice choice,
                        HINSTANCE instance);
LRESULT CALLBACK RendererWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
