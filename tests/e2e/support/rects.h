#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Monitors and windows compared and described by their rectangles.
bool SameRect(const RECT& a, const RECT& b);
bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b);
// "(left,top)-(right,bottom) " for each, for failure messages.
std::string Describe(const std::vector<RECT>& rects);
// The smallest rectangle holding them all; rects must not be empty.
RECT BoundingRect(const std::vector<RECT>& rects);
