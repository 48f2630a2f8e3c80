#include "flake_sprite.h"

#include <algorithm>

namespace {

constexpr int kColourChannels = 3;
constexpr float kChannelScale = 1.0f / 255.0f;

float ChannelOf(std::uint32_t pixel, int channel) {
  return static_cast<float>(pixel >> (16 - 8 * channel) & 0xFF) * kChannelScale;
}

bool IsGrey(std::span<const std::uint32_t> pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
    return (p >> 16 & 0xFF) == (p & 0xFF) && (p >> 8 & 0xFF) == (p & 0xFF);
  });
}

FlakeSprite::Box LitBox(std::span<const std::uint32_t> pixels, int width, int height) {
  FlakeSprite::Box box = {width, height, 0, 0};
  for (int w = 0; w < height; ++w) {
    for (int u = 0; u < width; ++u) {
      if ((pixels[static_cast<std::size_t>(w) * width + u] & 0xFFFFFF) == 0) continue;
      box = {std::min(box.left, u), std::min(box.top, w), std::max(box.right, u + 1),
             std::max(box.bottom, w + 1)};
    }
  }
  return box.left < box.right ? box : FlakeSprite::Box{0, 0, 0, 0};
}

}  // namespace

FlakeSprite::FlakeSprite(int width, int height, std::span<const std::uint32_t> pixels) {
  const std::size_t count = static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0);
  if (count == 0 || pixels.size() < count) return;
  pixels = pixels.first(count);
  width_ = width;
  height_ = height;
  // A grey picture, as the flake picture is, needs one channel's sums: a third of the work.
  channels_ = IsGrey(pixels) ? 1 : kColourChannels;
  lit_ = LitBox(pixels, width, height);
  const int stride = (width + 1) * channels_;
  sums_.assign(static_cast<std::size_t>(stride) * (height + 1), 0.0f);
  for (int w = 0; w < height; ++w) {
    float row[kColourChannels] = {};
    for (int u = 0; u < width; ++u) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(w) * width + u];
      float* below = &sums_[static_cast<std::size_t>(w + 1) * stride + (u + 1) * channels_];
      const float* above = below - stride;
      for (int c = 0; c < channels_; ++c) {
        row[c] += ChannelOf(pixel, c);
        below[c] = above[c] + row[c];
      }
    }
  }
  const Sum whole = SumTo(static_cast<float>(width), static_cast<float>(height));
  const auto area = static_cast<float>(count);
  mean_ = {whole.r / area, whole.g / area, whole.b / area};
}
