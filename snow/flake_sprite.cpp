#include "flake_sprite.h"

#include <algorithm>

namespace {
constexpr int kChannels = 3;
constexpr float kChannelScale = 1.0f / 255.0f;
}  // namespace

FlakeSprite::FlakeSprite(int width, int height, std::span<const std::uint32_t> pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return;
  }
  width_ = width;
  height_ = height;
  const int stride = (width + 1) * kChannels;
  sums_.assign(static_cast<std::size_t>(stride) * (height + 1), 0.0f);
  for (int w = 0; w < height; ++w) {
    float row[kChannels] = {};
    for (int u = 0; u < width; ++u) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(w) * width + u];
      row[0] += static_cast<float>(pixel >> 16 & 0xFF) * kChannelScale;
      row[1] += static_cast<float>(pixel >> 8 & 0xFF) * kChannelScale;
      row[2] += static_cast<float>(pixel & 0xFF) * kChannelScale;
      float* below = &sums_[static_cast<std::size_t>(w + 1) * stride + (u + 1) * kChannels];
      const float* above = below - stride;
      for (int c = 0; c < kChannels; ++c) below[c] = above[c] + row[c];
    }
  }
}

const float* FlakeSprite::At(int u, int w) const {
  return &sums_[(static_cast<std::size_t>(w) * (width_ + 1) + u) * kChannels];
}

// The running sums of whole pixels, interpolated in both directions: exact for a picture whose
// pixels are uniform squares.
FlakeSprite::Sum FlakeSprite::SumTo(float u, float w) const {
  const int u0 = std::min(static_cast<int>(u), width_ - 1);
  const int w0 = std::min(static_cast<int>(w), height_ - 1);
  const float fu = u - static_cast<float>(u0);
  const float fw = w - static_cast<float>(w0);
  const float* a = At(u0, w0);
  const float* b = At(u0 + 1, w0);
  const float* c = At(u0, w0 + 1);
  const float* d = At(u0 + 1, w0 + 1);
  float out[kChannels];
  for (int i = 0; i < kChannels; ++i) {
    const float top = a[i] + (b[i] - a[i]) * fu;
    const float bottom = c[i] + (d[i] - c[i]) * fu;
    out[i] = top + (bottom - top) * fw;
  }
  return {out[0], out[1], out[2]};
}
