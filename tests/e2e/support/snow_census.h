#pragma once

#include <array>
#include <string>

#include "screen_capture.h"

// A count of what a screen shows, by the traits of the snow picture: a black background and
// flakes that are neutral grey (equal red, green and blue) however many of them overlap.
struct SnowCensus {
  int total = 0;
  int black = 0;
  int grey = 0;      // equal, nonzero red, green and blue
  int coloured = 0;  // anything else
  std::array<int, 256> greyLevels{};

  // The most frequent grey level, 0 when there is no grey at all.
  int CommonestGrey() const;
  // Grey pixels brighter than level.
  int GreyAbove(int level) const;
};

SnowCensus TakeSnowCensus(const ScreenImage& image);

// Snow as the renderer draws it: flakes cover a few percent of the screen at first and a few tens
// later, so the background stays the larger part; additive grey on black can only give grey.
bool ShowsSnow(const SnowCensus& census);
// The census in words, for failure messages.
std::string Describe(const SnowCensus& census);
