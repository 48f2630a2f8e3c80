#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// What the user sees: the primary screen or another area read back through GDI, so whatever draws
// there (GDI or OpenGL, any process) is included. Shared by the end-to-end tests and the tests of
// windows drawn in the test's own process.
class ScreenImage {
 public:
  struct Pixel {
    std::uint8_t r, g, b;
    bool operator==(const Pixel&) const = default;
  };

  ScreenImage(int width, int height, std::vector<std::uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  // Row 0 is the top of the screen.
  Pixel At(int x, int y) const {
    const std::uint32_t value = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return Pixel{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                 static_cast<std::uint8_t>(value)};
  }
  // Pixels whose colour differs between two images of the same size.
  int CountDifferences(const ScreenImage& other) const;
  // Pixels in box (right and bottom excluded) that pass test; in the whole image.
  int CountIn(const RECT& box, bool (*test)(Pixel)) const;
  int Count(bool (*test)(Pixel)) const { return CountIn({0, 0, width_, height_}, test); }

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

// Nothing when the screen could not be read.
std::optional<ScreenImage> CaptureScreen();
// The same for an area of the virtual screen, such as one monitor.
std::optional<ScreenImage> CaptureScreenArea(const RECT& area);
