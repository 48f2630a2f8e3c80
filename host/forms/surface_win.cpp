#include "forms/surface_win.h"

namespace {

// A bitmap in the format of model, or of the screen when model is null; null for an empty size.
HBITMAP CompatibleBitmap(HDC model, SIZE size) {
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  if (model != nullptr) return CreateCompatibleBitmap(model, size.cx, size.cy);
  // A memory context's own bitmap is monochrome; the screen's format comes from the screen.
  const ScreenContext screen;
  return CreateCompatibleBitmap(screen.dc(), size.cx, size.cy);
}

}  // namespace

Surface::Surface(HDC compatibleWith, SIZE size)
    : context_(compatibleWith),
      bitmap_(context_ ? CompatibleBitmap(compatibleWith, size) : nullptr),
      selection_(context_.dc(), bitmap_.get()),
      size_(selection_ ? size : SIZE{0, 0}) {}

bool Surface::CopyTo(HDC target, int left, int top) const {
  return selection_ && BitBlt(target, left, top, size_.cx, size_.cy, dc(), 0, 0, SRCCOPY);
}

HDC PersistentImage::Fit(SIZE size, COLORREF background) {
  if (surface_ && surface_->size().cx == size.cx && surface_->size().cy == size.cy) {
    return surface_->dc();
  }
  surface_.emplace(nullptr, size);
  if (!*surface_) {
    surface_.reset();
    return nullptr;
  }
  FillSolid(surface_->dc(), {0, 0, size.cx, size.cy}, background);
  return surface_->dc();
}
