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
// A flake no larger than this (in pixels, its side) spreads its light over the pixels it covers
// by the area it covers in each: at that size the picture's shape cannot show.
constexpr float kLargestSmallSide = 1.0f;
// Flakes grow by the view's scale up to this half side in pixels, and by as many pixels beyond.
constexpr float kLargestGrowingHalf = 1.0f;

float HalfViewTangent() {
  return static_cast<float>(std::tan(kFieldOfViewDegrees / 2.0 * std::numbers::pi / 180.0));
}

constexpr float kFullLevel = 255.0f;
constexpr float kRounding = 0.5f;

// Written so that it maps onto vector minimum and conversion instructions.
std::uint32_t Level(float light) {
  return static_cast<std::uint32_t>(
      static_cast<std::int32_t>(light < kFullLevel ? light : kFullLevel));
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

// The first pixel a span starting at `start` touches, within an area that it reaches into; a cast
// cuts towards zero, which is the floor for the positions that matter.
int FirstPixel(float start) { return start <= 0.0f ? 0 : static_cast<int>(start); }

// One past the last pixel a span ending at `end` touches, within `size` pixels.
int EndPixel(float end, int size) {
  if (end >= static_cast<float>(size)) return size;
  const auto whole = static_cast<int>(end);
  return static_cast<float>(whole) < end ? whole + 1 : whole;
}

}  // namespace

FlakeSplatter::FlakeSplatter(const FlakeSprite& sprite, int width, int height, float flakeScale)
    : sprite_(sprite),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixelsPerUnit_(static_cast<float>(height_) / 2.0f / HalfViewTangent()),
      flakeScale_(flakeScale),
      plane_(static_cast<std::size_t>(width_) * height_),
      light_(plane_ * kChannels, kRounding),
      upper_(width_ + 1),
      lower_(width_ + 1),
      edgeU_(width_ + 1) {}

void FlakeSplatter::Draw(const SnowFlake& flake) {
  const float depth = -flake.position.z;
  if (!sprite_ || !(depth >= static_cast<float>(kNearPlane))) return;
  const float perUnit = pixelsPerUnit_ / depth;
  const float projected = std::abs(flake.halfSize) * perUnit;
  const float half = projected + std::min(projected, kLargestGrowingHalf) * (flakeScale_ - 1.0f);
  if (!(half > kFaintestHalfPixels)) return;
  const float centreX = static_cast<float>(width_) / 2.0f + flake.position.x * perUnit;
  const float centreY = static_cast<float>(height_) / 2.0f - flake.position.y * perUnit;
  const Square square = {centreX - half, centreY - half, 2.0f * half, flake.halfSize < 0.0f};
  if (square.side <= kLargestSmallSide) {
    SplatSmall(square, flake.colour);
    return;
  }
  const Span span = LitSpan(square);
  if (span.left < span.right && span.top < span.bottom) Splat(square, span, flake.colour);
}

FlakeSplatter::Span FlakeSplatter::LitSpan(const Square& square) const {
  const FlakeSprite::Box lit = sprite_.lit();
  const float perPixelX = square.side / static_cast<float>(sprite_.width());
  const float perPixelY = square.side / static_cast<float>(sprite_.height());
  // Turned, the picture's right edge is on the left.
  const int fromLeft = square.turned ? sprite_.width() - lit.right : lit.left;
  const int toRight = square.turned ? sprite_.width() - lit.left : lit.right;
  const int fromTop = square.turned ? sprite_.height() - lit.bottom : lit.top;
  const int toBottom = square.turned ? sprite_.height() - lit.top : lit.bottom;
  const float left = square.left + static_cast<float>(fromLeft) * perPixelX;
  const float right = square.left + static_cast<float>(toRight) * perPixelX;
  const float top = square.top + static_cast<float>(fromTop) * perPixelY;
  const float bottom = square.top + static_cast<float>(toBottom) * perPixelY;
  if (!(right > 0.0f && bottom > 0.0f && left < static_cast<float>(width_) &&
        top < static_cast<float>(height_))) {
    return {0, 0, 0, 0};
  }
  return {FirstPixel(left), FirstPixel(top), EndPixel(right, width_), EndPixel(bottom, height_)};
}

// Each pixel gets the picture's light over the part of the square that covers it: the picture's
// sums at the pixel's four corners, which neighbouring pixels share.
void FlakeSplatter::Splat(const Square& square, const Span& span, const Colour4& colour) {
  const float right = square.left + square.side;
  const float bottom = square.top + square.side;
  const int columns = span.right - span.left;
  for (int i = 0; i <= columns; ++i) {
    edgeU_[i] = AcrossPicture(static_cast<float>(span.left + i), square.left, right,
                              sprite_.width(), square.turned);
  }
  // The light of one picture pixel, as it falls on a screen pixel.
  const float pictureArea =
      square.side * square.side / static_cast<float>(sprite_.width() * sprite_.height());
  const float weight = kFullLevel * colour.a * pictureArea;
  const float gain[kChannels] = {colour.r * weight, colour.g * weight, colour.b * weight};
  auto sumRow = [&](int y, std::vector<FlakeSprite::Sum>& sums) {
    const float w =
        AcrossPicture(static_cast<float>(y), square.top, bottom, sprite_.height(), square.turned);
    for (int i = 0; i <= columns; ++i) sums[i] = sprite_.SumTo(edgeU_[i], w);
  };
  sumRow(span.top, upper_);
  for (int y = span.top; y < span.bottom; ++y) {
    sumRow(y + 1, lower_);
    float* red = &light_[static_cast<std::size_t>(y) * width_ + span.left];
    float* green = red + plane_;
    float* blue = green + plane_;
    // A grey picture's channels are equal: one of them serves for all three.
    auto addRow = [&]<bool kGrey>() {
      for (int i = 0; i < columns; ++i) {
        const FlakeSprite::Sum &a = upper_[i], &b = upper_[i + 1], &c = lower_[i],
                               &d = lower_[i + 1];
        const float r = d.r - c.r - b.r + a.r;
        red[i] += r * gain[0];
        green[i] += (kGrey ? r : d.g - c.g - b.g + a.g) * gain[1];
        blue[i] += (kGrey ? r : d.b - c.b - b.b + a.b) * gain[2];
      }
    };
    if (sprite_.grey()) {
      addRow.operator()<true>();
    } else {
      addRow.operator()<false>();
    }
    std::swap(upper_, lower_);
  }
}

void FlakeSplatter::SplatSmall(const Square& square, const Colour4& colour) {
  const float right = square.left + square.side;
  const float bottom = square.top + square.side;
  if (!(right > 0.0f && bottom > 0.0f && square.left < static_cast<float>(width_) &&
        square.top < static_cast<float>(height_))) {
    return;
  }
  const int x0 = FirstPixel(square.left);
  const int x1 = EndPixel(right, width_);
  const int y0 = FirstPixel(square.top);
  const int y1 = EndPixel(bottom, height_);
  const FlakeSprite::Sum mean = sprite_.Mean();
  const float weight = kFullLevel * colour.a;
  const float gain[kChannels] = {mean.r * colour.r * weight, mean.g * colour.g * weight,
                                 mean.b * colour.b * weight};
  for (int y = y0; y < y1; ++y) {
    const float high =
        std::min(bottom, static_cast<float>(y + 1)) - std::max(square.top, static_cast<float>(y));
    for (int x = x0; x < x1; ++x) {
      const float area = high * (std::min(right, static_cast<float>(x + 1)) -
                                 std::max(square.left, static_cast<float>(x)));
      const std::size_t at = static_cast<std::size_t>(y) * width_ + x;
      light_[at] += area * gain[0];
      light_[at + plane_] += area * gain[1];
      light_[at + 2 * plane_] += area * gain[2];
    }
  }
}

bool FlakeSplatter::Finish(std::span<std::uint32_t> pixels) {
  float* red = light_.data();
  float* green = red + plane_;
  float* blue = green + plane_;
  const bool fits = pixels.size() >= plane_;
  if (fits) {
    // One pass writes the frame and starts the next.
    std::uint32_t* out = pixels.data();
    for (std::size_t i = 0; i < plane_; ++i) {
      out[i] = Level(red[i]) << 16 | Level(green[i]) << 8 | Level(blue[i]);
      red[i] = green[i] = blue[i] = kRounding;
    }
  } else {
    std::fill(light_.begin(), light_.end(), kRounding);
  }
  return fits;
}
