#include "snow_census.h"

int SnowCensus::CommonestGrey() const {
  int level = 0;
  for (int i = 1; i < 256; ++i) {
    if (greyLevels[i] > greyLevels[level]) level = i;
  }
  return level;
}

int SnowCensus::GreyAbove(int level) const {
  int count = 0;
  for (int i = level + 1; i < 256; ++i) count += greyLevels[i];
  return count;
}

SnowCensus TakeSnowCensus(const ScreenImage& image) {
  SnowCensus census;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const ScreenImage::Pixel pixel = image.At(x, y);
      ++census.total;
      if (pixel.r == 0 && pixel.g == 0 && pixel.b == 0) {
        ++census.black;
      } else if (pixel.r == pixel.g && pixel.g == pixel.b) {
        ++census.grey;
        ++census.greyLevels[pixel.r];
      } else {
        ++census.coloured;
      }
    }
  }
  return census;
}

bool ShowsSnow(const SnowCensus& census) {
  return census.black > census.total / 2 && census.grey >= 200 && census.coloured == 0;
}

std::string Describe(const SnowCensus& census) {
  return "black " + std::to_string(census.black) + ", grey " + std::to_string(census.grey) +
         ", coloured " + std::to_string(census.coloured) + " of " + std::to_string(census.total) +
         " pixels; commonest grey " + std::to_string(census.CommonestGrey());
}
