#include "surface_win.h"

#include <utility>

Surface::Surface(HDC compatibleWith, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0) return;
  HDC screen = compatibleWith == nullptr ? GetDC(nullptr) : nullptr;
  HDC model = compatibleWith == nullptr ? screen : compatibleWith;
  dc_ = CreateCompatibleDC(model);
  if (dc_ != nullptr) bitmap_ = CreateCompatibleBitmap(model, size.cx, size.cy);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  if (bitmap_ == nullptr) {
    Release();
    return;
  }
  previousBitmap_ = SelectObject(dc_, bitmap_);
  size_ = size;
}

Surface::~Surface() { Release(); }

Surface::Surface(Surface&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      previousBitmap_(std::exchange(other.previousBitmap_, nullptr)),
      size_(std::exchange(other.size_, SIZE{0, 0})) {}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    Release();
    dc_ = std::exchange(other.dc_, nullptr);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
    size_ = std::exchange(other.size_, SIZE{0, 0});
  }
  return *this;
}

bool Surface::CopyTo(HDC target, int left, int top) const {
  return dc_ != nullptr && BitBlt(target, left, top, size_.cx, size_.cy, dc_, 0, 0, SRCCOPY);
}

void Surface::Release() {
  // The bitmap can only be deleted once it is no longer selected into the context.
  if (previousBitmap_ != nullptr) SelectObject(dc_, previousBitmap_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  previousBitmap_ = nullptr;
  size_ = {0, 0};
}

HDC PersistentImage::Fit(SIZE size, COLORREF background) {
  const SIZE held = surface_.size();
  if (surface_ && held.cx == size.cx && held.cy == size.cy) return surface_.dc();
  surface_ = Surface(nullptr, size);
  if (!surface_) return nullptr;
  const RECT whole = {0, 0, size.cx, size.cy};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(surface_.dc(), &whole, brush);
  DeleteObject(brush);
  return surface_.dc();
}
