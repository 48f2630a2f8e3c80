#pragma once

#include <span>

#include "monitor_layout.h"

// Sets the fixed GL state once, after the texture and the first flakes exist.
void InitRenderState();

// Clears, makes a batch when more than a second has passed since the last, advances and draws
// every flake, and presents the frame. The timer must have been advanced just before. The flakes
// move once and are drawn in each view with its own projection.
void DrawFrame(std::span<const MonitorView> views);
// The same with the projection already set.
void DrawFrame();

// Presents the finished frame; each platform supplies it (a buffer swap on Windows).
void SwapFrameBuffers();

// Forgets the last batch time, so a new run starts its cadence from zero.
void ResetFrameState();
