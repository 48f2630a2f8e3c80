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
  // flakeScale multiplies the projected size of flakes up to a pixel across; larger ones grow by
  // the same number of pixels as such a flake, so that flakes close to the eye are no larger
  // than the saver shows them. The sprite must outlive the splatter.
  FlakeSplatter(const FlakeSprite& sprite, int width, int height, float flakeScale);

  void Draw(const SnowFlake& flake) override;
  // The frame drawn since the last one as 0x00RRGGBB pixels, top row first, each channel capped
  // at 255, and the next frame started black. False, with nothing written, when pixels cannot
  // hold width × height. The first frame starts black.
  bool Finish(std::span<std::uint32_t> pixels);

 private:
  // A flake's square on the screen, in pixels.
  struct Square {
    float left, top, side;
    bool turned;  // shows its picture turned half a turn
  };
  // The pixels a square's lit part touches, clipped to the area; right and bottom not included.
  struct Span {
    int left, top, right, bottom;
  };
  Span LitSpan(const Square& square) const;
  void Splat(const Square& square, const Span& span, const Colour4& colour);
  void SplatSmall(const Square& square, const Colour4& colour);

  const FlakeSprite& sprite_;
  int width_;
  int height_;
  float pixelsPerUnit_;  // at a distance of one unit
  float flakeScale_;
  std::size_t plane_;  // pixels in the area
  // width × height levels of red, then of green, then of blue, each with half a level added so
  // that cutting off the fraction rounds.
  std::vector<float> light_;
  // Per flake: the picture's sums at the corners of one row of pixels, and the row below.
  std::vector<FlakeSprite::Sum> upper_;
  std::vector<FlakeSprite::Sum> lower_;
  std::vector<float> edgeU_;
};
