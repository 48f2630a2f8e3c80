#pragma once

#include <span>

#include "monitor_layout.h"

struct RendererState;

// Sets the fixed GL state once, after the texture and the first flakes exist.
void InitRenderState(const RendererState& state);

// Clears, makes a batch when more than a second has passed since the last, advances and draws
// every flake. The timer must have been advanced just before; the caller presents the frame. The
// flakes move once and are drawn in each view with its own projection, or with the projection
// already set when no view is given.
void DrawFrame(RendererState& state, std::span<const MonitorView> views = {});
