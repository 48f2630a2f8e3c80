#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "flake_sprite.h"
#include "snow_flake.h"

// Draws flakes in software, as the renderer's view would show them in an area of the given size:
// each flake the whole flake picture, its light added on black, every pixel given the light of
// the part of the flake that covers it, so flakes smaller than a pixel still show.
class FlakeSplatter final : public FlakeDrawer {
 public:
  // flakeScale multiplies each flake's projected size. The sprite must outlive the splatter.
  FlakeSplatter(const FlakeSprite& sprite, int width, int height, float flakeScale);

  // Starts a frame: every pixel black.
  void Clear();
  void Draw(const SnowFlake& flake) override;
  // The frame as 0x00RRGGBB pixels, top row first, each channel capped at 255. False, with
  // nothing written, when pixels cannot hold width × height.
  bool Finish(std::span<std::uint32_t> pixels) const;

 private:
  const FlakeSprite& sprite_;
  int width_;
  int height_;
  float pixelsPerUnit_;  // at a distance of one unit
  float flakeScale_;
  std::vector<float> light_;  // width × height × red, green, blue; 1 is full brightness
  // Per flake: the picture's sums at the corners of one row of pixels, and the row below.
  std::vector<FlakeSprite::Sum> upper_;
  std::vector<FlakeSprite::Sum> lower_;
  std::vector<float> edgeU_;
};
