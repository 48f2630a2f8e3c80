#include "osmesa_canvas.h"

#include <stdexcept>

OsMesaCanvas::OsMesaCanvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4),
      context_(OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr)) {
  if (context_ == nullptr ||
      !OSMesaMakeCurrent(context_, pixels_.data(), GL_UNSIGNED_BYTE, width, height)) {
    throw std::runtime_error("OSMesa context could not be made current");
  }
}

// NOTE: Mesa crashes destroying a context that still holds unflushed immediate-mode vertices.
OsMesaCanvas::~OsMesaCanvas() {
  glFinish();
  OSMesaDestroyContext(context_);
}

OsMesaCanvas::Pixel OsMesaCanvas::At(int x, int y) const {
  glFinish();
  const size_t offset = (static_cast<size_t>(y) * static_cast<size_t>(width_) + x) * 4;
  return {pixels_[offset], pixels_[offset + 1], pixels_[offset + 2], pixels_[offset + 3]};
}

int OsMesaCanvas::CountLit() const {
  glFinish();
  int lit = 0;
  for (size_t i = 0; i < pixels_.size(); i += 4) {
    if (pixels_[i] != 0 || pixels_[i + 1] != 0 || pixels_[i + 2] != 0) ++lit;
  }
  return lit;
}
