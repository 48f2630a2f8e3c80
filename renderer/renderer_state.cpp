#include "renderer_state.h"

#include "frame_values.h"

FlakeList* flakeList = nullptr;
FrameTimer frameTimer;
GLuint textureName = 0;
DisplaySleep displaySleep(frameTimer);
float frameTotal = 0.0f;
float frameDelta = 0.0f;
