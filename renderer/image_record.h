#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// A picture ready for the texture: the bitmap reader's result, owned by its caller.
struct ImageRecord {
  std::int32_t sizeX = 0;  // width in pixels
  std::int32_t sizeY = 0;  // height in pixels, always positive
  // sizeX × sizeY × 3 bytes: red, green, blue; the bottom row of the picture first; no padding.
  std::unique_ptr<std::uint8_t[]> data;
};

// How a 24-bit DIB section stores its rows, following the sign of its header's height.
enum class RowOrder { kBottomUp, kTopDown };

RowOrder RowOrderOf(std::int32_t height);

// Bits per pixel of the sections the reader converts into.
inline constexpr std::uint32_t kSectionBitsPerPixel = 24;

// Copies the blue-green-red rows of a 24-bit section into tightly packed red-green-blue rows,
// bottom row first whichever order the section keeps. False, with nothing written, when either
// buffer is too small for width × rows pixels.
bool CopySectionRows(std::span<const std::uint8_t> section, std::int32_t width, std::int32_t rows,
                     RowOrder order, std::span<std::uint8_t> rgb);
