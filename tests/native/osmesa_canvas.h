#pragma once

#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

// An offscreen RGBA buffer with a current legacy GL context: real rasterisation, no window.
class OsMesaCanvas {
 public:
  OsMesaCanvas(int width, int height);
  ~OsMesaCanvas();
  OsMesaCanvas(const OsMesaCanvas&) = delete;
  OsMesaCanvas& operator=(const OsMesaCanvas&) = delete;

  struct Pixel {
    std::uint8_t r, g, b, a;
    bool operator==(const Pixel&) const = default;
  };
  // Row 0 is the bottom row, as GL counts.
  Pixel At(int x, int y) const;
  // Number of pixels whose red, green or blue is not 0.
  int CountLit() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  OSMesaContext context_;
};
