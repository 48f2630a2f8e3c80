#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "flake_splatter.h"
#include "flake_sprite.h"
#include "snowfall.h"

// The saver's snow as the preview shows it in an area of its own size: stepped by the time
// between frames and drawn into the area's pixels.
class PreviewSnow {
 public:
  using Clock = std::chrono::steady_clock;

  // Snow already settled as in a running saver. The sprite must outlive it.
  PreviewSnow(const FlakeSprite& sprite, int width, int height);

  // Draws the next frame into pixels (width × height 0x00RRGGBB, top row first), the snow moved
  // on by the time since the previous frame; after a pause, or at first, it has not moved. False
  // when pixels cannot hold the area.
  bool NextFrame(Clock::time_point now, std::span<std::uint32_t> pixels);
  // The time until the next frame does not count: the snow waits while nobody can see it.
  void Pause() { previous_.reset(); }

 private:
  int width_;
  int height_;
  DistantView view_;
  Snowfall snowfall_;
  FlakeSplatter splatter_;
  std::optional<Clock::time_point> previous_;
};
