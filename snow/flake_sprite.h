#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The flake picture as the preview draws it: what any rectangle of the picture holds, in
// constant time, so that a flake drawn smaller than a pixel still gives that pixel its share of
// the picture's light rather than one sample of it.
class FlakeSprite {
 public:
  // width × height pixels 0x00RRGGBB, top row first. An empty or short picture gives an empty
  // sprite.
  FlakeSprite(int width, int height, std::span<const std::uint32_t> pixels);

  explicit operator bool() const { return width_ > 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Every pixel's red, green and blue are equal.
  bool grey() const { return channels_ == 1; }

  // The smallest rectangle of the picture outside which every pixel is black, in pixels of the
  // picture, right and bottom not included; empty for a black picture.
  struct Box {
    int left, top, right, bottom;
  };
  Box lit() const { return lit_; }

  // Red, green and blue summed over the picture from its top-left corner to (u, w), in pixels of
  // the picture (fractions count in part), each channel 0 to 1 per whole pixel. u and w must lie
  // within the picture.
  struct Sum {
    float r, g, b;
  };
  Sum SumTo(float u, float w) const {
    const int u0 = u < static_cast<float>(width_) ? static_cast<int>(u) : width_ - 1;
    const int w0 = w < static_cast<float>(height_) ? static_cast<int>(w) : height_ - 1;
    const float fu = u - static_cast<float>(u0);
    const float fw = w - static_cast<float>(w0);
    const float* a = At(u0, w0);
    const float* c = At(u0, w0 + 1);
    if (grey()) {
      const float s = Blend(a[0], a[1], c[0], c[1], fu, fw);
      return {s, s, s};
    }
    return {Blend(a[0], a[3], c[0], c[3], fu, fw), Blend(a[1], a[4], c[1], c[4], fu, fw),
            Blend(a[2], a[5], c[2], c[5], fu, fw)};
  }
  // The picture's mean, each channel 0 to 1.
  Sum Mean() const { return mean_; }

 private:
  // The running sums of whole pixels, interpolated in both directions: exact for a picture whose
  // pixels are uniform squares.
  static float Blend(float topLeft, float topRight, float bottomLeft, float bottomRight, float fu,
                     float fw) {
    const float top = topLeft + (topRight - topLeft) * fu;
    const float bottom = bottomLeft + (bottomRight - bottomLeft) * fu;
    return top + (bottom - top) * fw;
  }
  const float* At(int u, int w) const {
    return &sums_[(static_cast<std::size_t>(w) * (width_ + 1) + u) * channels_];
  }

  int width_ = 0;
  int height_ = 0;
  int channels_ = 0;  // 1 for a grey picture, else red, green and blue
  Box lit_ = {0, 0, 0, 0};
  Sum mean_ = {0, 0, 0};
  // (width + 1) × (height + 1) running sums of each channel.
  std::vector<float> sums_;
};
