#pragma once

#include <windows.h>

// True when a double-buffered RGBA format with kColourBits colour and depth bits was chosen and
// set.
bool SetupPixelFormat(HDC deviceContext);

// Takes the window's device context, sets its pixel format, makes a GL context current and sets
// the projection. A failed pixel format asks the loop to quit; start-up still goes on.
void InitGLContext(int width, int height);
