#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The one depth the forms runtime saves pictures in.
inline constexpr std::uint16_t kSavedBitsPerPixel = 24;

// A Windows bitmap file of 24 bits per pixel, as the forms runtime saves pictures: file header,
// 40-byte info header with a resolution of 2835 pixels per metre (72 dots per inch), then the
// rows bottom row first, each padded to four bytes. `rows` holds height rows of width blue,
// green, red pixels, bottom row first, padded the same way.
std::vector<std::uint8_t> BitmapFileBytes(std::int32_t width, std::int32_t height,
                                          std::span<const std::uint8_t> rows);
