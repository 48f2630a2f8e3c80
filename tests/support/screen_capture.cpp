#include "screen_capture.h"

#include <windows.h>

#include <cstring>

#include "dib_section_win.h"

int ScreenImage::CountDifferences(const ScreenImage& other) const {
  if (width_ != other.width_ || height_ != other.height_) return width_ * height_;
  int count = 0;
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    if ((pixels_[i] & 0xFFFFFF) != (other.pixels_[i] & 0xFFFFFF)) ++count;
  }
  return count;
}

int ScreenImage::CountIn(const RECT& box, bool (*test)(Pixel)) const {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) count += test(At(x, y)) ? 1 : 0;
  }
  return count;
}

std::optional<ScreenImage> CaptureScreen() {
  return CaptureScreenArea({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

std::optional<ScreenImage> CaptureScreenArea(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return std::nullopt;

  std::optional<ScreenImage> image;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return image;
  HDC memory = CreateCompatibleDC(screen);
  if (memory != nullptr) {
    // 32 bits per pixel, top-down (negative height): rows come out in screen order and need no
    // padding.
    void* bits = nullptr;
    HBITMAP section = CreateTopDownSection(width, height, &bits, memory);
    if (section != nullptr) {
      HGDIOBJ previous = SelectObject(memory, section);
      if (previous != nullptr && previous != HGDI_ERROR) {
        // CAPTUREBLT includes layered windows, as a user would see them.
        if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top,
                   SRCCOPY | CAPTUREBLT)) {
          GdiFlush();
          std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
          std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
          image.emplace(width, height, std::move(pixels));
        }
        SelectObject(memory, previous);
      }
      DeleteObject(section);
    }
    DeleteDC(memory);
  }
  ReleaseDC(nullptr, screen);
  return image;
}
