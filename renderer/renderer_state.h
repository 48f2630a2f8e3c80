#pragma once

#include "display_sleep.h"
#include "frame_timer.h"
#include "gl_headers.h"

class FlakeList;

// The renderer's program-wide state: one of each for the whole process.
extern FlakeList* flakeList;
extern FrameTimer frameTimer;
extern GLuint textureName;         // 0 while no texture was made
extern DisplaySleep displaySleep;  // stops frameTimer while the display is off
