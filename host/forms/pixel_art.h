#pragma once

#include <cstdint>
#include <vector>

// A picture the program draws itself, for the dots per inch of the window that shows it, so that
// it stays sharp at every scale instead of a small bitmap stretched.
struct PixelArt {
  int width = 0;
  int height = 0;
  // 0x00BBGGRR, top row first, as colour values; SwapRedAndBlue gives a 32-bit DIB's pixels.
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool operator==(const PixelArt&) const = default;
};

// 0x00BBGGRR from its channels.
constexpr std::uint32_t ArtColour(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red | (green << 8) | (blue << 16));
}
