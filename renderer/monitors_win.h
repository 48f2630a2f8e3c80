#pragma once

#include <vector>

#include "monitor_layout.h"

// Every monitor of the virtual screen as the system has it now, in its order; empty when the
// monitors cannot be read.
std::vector<ScreenRect> MonitorRects();
