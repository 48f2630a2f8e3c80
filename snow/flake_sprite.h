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
  Sum SumTo(float u, float w) const;
  // The picture's mean, each channel 0 to 1.
  Sum Mean() const { return mean_; }

 private:
  const float* At(int u, int w) const;

  int width_ = 0;
  int height_ = 0;
  int channels_ = 0;  // 1 for a grey picture, else red, green and blue
  Box lit_ = {0, 0, 0, 0};
  Sum mean_ = {0, 0, 0};
  // (width + 1) × (height + 1) running sums of each channel.
  std::vector<float> sums_;
};
