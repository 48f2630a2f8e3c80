#pragma once

#include <memory>

#include "bitmap_error.h"
#include "display_sleep.h"
#include "frame_timer.h"
#include "gl_headers.h"
#include "monitor_layout.h"
#include "snow_flake.h"

// What a run of the renderer draws and when, apart from the window it draws into: the platform
// half of the run adds the window, its contexts and the display mode to this.
struct RendererState {
  RendererState() = default;
  // The display sleep holds on to this state's own timer.
  RendererState(const RendererState&) = delete;
  RendererState& operator=(const RendererState&) = delete;

  // Advances the timer and copies its seconds into frameTotal and frameDelta, which the flakes
  // are born, aged and moved by until the next advance.
  void AdvanceFrame();

  // The window over every monitor and each monitor's view in it.
  RenderLayout renderLayout;
  std::unique_ptr<FlakeList> flakeList;
  FrameTimer frameTimer;
  GLuint textureName = 0;                 // 0 while no texture was made
  DisplaySleep displaySleep{frameTimer};  // stops frameTimer while the display is off
  float frameTotal = 0.0f;
  float frameDelta = 0.0f;
  float lastSpawnTime = 0.0f;  // the timer's total at the last batch a frame made
  // Whether an unreadable working bitmap is told in a message box.
  ErrorBoxes showErrorBoxes = ErrorBoxes::kShown;
};
