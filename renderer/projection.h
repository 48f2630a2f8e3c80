#pragma once

#include "monitor_layout.h"

// Viewport and a 45-degree perspective for a client area of the given size; a height of 0 counts
// as 1.
void ResizeScene(int width, int height);

// The viewport and 45-degree perspective of one monitor's view, with the model view reset.
void ProjectOnto(const MonitorView& view);
