#include "rects.h"

#include <algorithm>
#include <cstdio>

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameRect);
}

std::string Describe(const std::vector<RECT>& rects) {
  std::string text;
  for (const RECT& r : rects) {
    char line[80];
    std::snprintf(line, sizeof(line), "(%ld,%ld)-(%ld,%ld) ", r.left, r.top, r.right, r.bottom);
    text += line;
  }
  return text;
}

RECT BoundingRect(const std::vector<RECT>& rects) {
  RECT bounds = rects.front();
  for (const RECT& r : rects) {
    bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top),
              std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
  }
  return bounds;
}
