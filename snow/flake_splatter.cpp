#include "flake_splatter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "view_frustum.h"

namespace {

constexpr int kChannels = 3;
// A flake this small (in pixels, half its side) would add under a thousandth of a pixel's light.
constexpr float kFaintestHalfPixels = 1.0f / 64.0f;

float HalfViewTangent() {
  return static_cast<float>(std::tan(kFieldOfViewDegrees / 2.0 * std::numbers::pi / 180.0));
}

std::uint32_t Channel(float light) {
  return static_cast<std::uint32_t>(std::min(light * 255.0f + 0.5f, 255.0f));
}

// Where screen position `at` falls across a flake's picture of `size` pixels, the flake spanning
// start to end; a flake turned half a turn (negative half size) shows its picture from the far
// side.
float AcrossPicture(float at, float start, float end, int size, bool turned) {
  const auto extent = static_cast<float>(size);
  const float offset =
      std::min((std::clamp(at, start, end) - start) * extent / (end - start), extent);
  return turned ? extent - offset : offset;
}

}  // namespace

FlakeSplatter::FlakeSplatter(const FlakeSprite& sprite, int width, int height, float flakeScale)
    : sprite_(sprite),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixelsPerUnit_(static_cast<float>(height_) / 2.0f / HalfViewTangent()),
      flakeScale_(flakeScale),
      light_(static_cast<std::size_t>(width_) * height_ * kChannels),
      upper_(width_ + 1),
      lower_(width_ + 1),
      edgeU_(width_ + 1) {}

void FlakeSplatter::Clear() { std::fill(light_.begin(), light_.end(), 0.0f); }

void FlakeSplatter::Draw(const SnowFlake& flake) {
  const float depth = -flake.position.z;
  if (!sprite_ || !(depth >= static_cast<float>(kNearPlane))) return;
  const float perUnit = pixelsPerUnit_ / depth;
  const float half = std::abs(flake.halfSize) * perUnit * flakeScale_;
  if (!(half > kFaintestHalfPixels)) return;
  const float centreX = static_cast<float>(width_) / 2.0f + flake.position.x * perUnit;
  const float centreY = static_cast<float>(height_) / 2.0f - flake.position.y * perUnit;
  const float left = centreX - half;
  const float right = centreX + half;
  const float top = centreY - half;
  const float bottom = centreY + half;
  const int x0 = static_cast<int>(std::max(std::floor(left), 0.0f));
  const int x1 = static_cast<int>(std::min(std::ceil(right), static_cast<float>(width_)));
  const int y0 = static_cast<int>(std::max(std::floor(top), 0.0f));
  const int y1 = static_cast<int>(std::min(std::ceil(bottom), static_cast<float>(height_)));
  if (x0 >= x1 || y0 >= y1) return;

  const bool turned = flake.halfSize < 0.0f;
  const float uPerPixel = static_cast<float>(sprite_.width()) / (2.0f * half);
  const float wPerPixel = static_cast<float>(sprite_.height()) / (2.0f * half);
  const int columns = x1 - x0;
  for (int i = 0; i <= columns; ++i) {
    edgeU_[i] = AcrossPicture(static_cast<float>(x0 + i), left, right, sprite_.width(), turned);
  }
  // The picture's light per picture pixel, as it falls on a screen pixel.
  const float weight = flake.colour.a / (uPerPixel * wPerPixel);
  const float gain[kChannels] = {flake.colour.r * weight, flake.colour.g * weight,
                                 flake.colour.b * weight};
  auto sumRow = [&](int y, std::vector<FlakeSprite::Sum>& sums) {
    const float w = AcrossPicture(static_cast<float>(y), top, bottom, sprite_.height(), turned);
    for (int i = 0; i <= columns; ++i) sums[i] = sprite_.SumTo(edgeU_[i], w);
  };
  sumRow(y0, upper_);
  for (int y = y0; y < y1; ++y) {
    sumRow(y + 1, lower_);
    float* pixel = &light_[(static_cast<std::size_t>(y) * width_ + x0) * kChannels];
    for (int i = 0; i < columns; ++i, pixel += kChannels) {
      const FlakeSprite::Sum &a = upper_[i], &b = upper_[i + 1], &c = lower_[i], &d = lower_[i + 1];
      pixel[0] += (d.r - c.r - b.r + a.r) * gain[0];
      pixel[1] += (d.g - c.g - b.g + a.g) * gain[1];
      pixel[2] += (d.b - c.b - b.b + a.b) * gain[2];
    }
    std::swap(upper_, lower_);
  }
}

bool FlakeSplatter::Finish(std::span<std::uint32_t> pixels) const {
  const std::size_t count = static_cast<std::size_t>(width_) * height_;
  if (pixels.size() < count) return false;
  const float* light = light_.data();
  for (std::size_t i = 0; i < count; ++i, light += kChannels) {
    pixels[i] = Channel(light[0]) << 16 | Channel(light[1]) << 8 | Channel(light[2]);
  }
  return true;
}
