#pragma once

#include <cstdint>

// Bytes per stored row of an uncompressed bitmap, in a file or a DIB section alike: the row's
// bits rounded up to whole 32-bit words. 64-bit arithmetic, so no width and depth a header can
// declare overflows it.
constexpr std::uint64_t PaddedRowBytes(std::uint64_t width, std::uint32_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}
