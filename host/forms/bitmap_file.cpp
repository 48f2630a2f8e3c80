#include "forms/bitmap_file.h"

#include <algorithm>

#include "bitmap_rows.h"

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> BitmapFileBytes(std::int32_t width, std::int32_t height,
                                          std::span<const std::uint8_t> rows) {
  const std::uint32_t pixelBytes =
      static_cast<std::uint32_t>(PaddedRowBytes(width, kSavedBitsPerPixel)) *
      static_cast<std::uint32_t>(height);
  const std::uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes;
  std::vector<std::uint8_t> file;
  file.reserve(pixelOffset + pixelBytes);
  file.push_back('B');
  file.push_back('M');
  Put32(file, pixelOffset + pixelBytes);
  Put32(file, 0);  // two reserved words
  Put32(file, pixelOffset);
  Put32(file, kInfoHeaderBytes);
  Put32(file, static_cast<std::uint32_t>(width));
  Put32(file, static_cast<std::uint32_t>(height));
  Put16(file, 1);  // planes
  Put16(file, kSavedBitsPerPixel);
  Put32(file, 0);  // uncompressed
  Put32(file, pixelBytes);
  Put32(file, kPixelsPerMetre);
  Put32(file, kPixelsPerMetre);
  Put32(file, 0);  // colours used
  Put32(file, 0);  // important colours
  // A short source leaves the rest of the rows black rather than reading past its end.
  const std::size_t copied = std::min<std::size_t>(rows.size(), pixelBytes);
  file.insert(file.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(copied));
  file.resize(pixelOffset + pixelBytes, 0);
  return file;
}
