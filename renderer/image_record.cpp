#include "image_record.h"

#include "bitmap_rows.h"

namespace {
constexpr std::size_t kBytesPerPixel = 3;
}  // namespace

RowOrder RowOrderOf(std::int32_t height) {
  return height < 0 ? RowOrder::kTopDown : RowOrder::kBottomUp;
}

bool CopySectionRows(std::span<const std::uint8_t> section, std::int32_t width, std::int32_t rows,
                     RowOrder order, std::span<std::uint8_t> rgb) {
  if (width < 0 || rows < 0) return false;
  const std::size_t columns = static_cast<std::size_t>(width);
  const std::size_t count = static_cast<std::size_t>(rows);
  const std::size_t stride = PaddedRowBytes(columns, kSectionBitsPerPixel);
  // Both products stay below 2^64 for any 32-bit width and row count.
  const std::uint64_t sectionBytes = std::uint64_t{stride} * count;
  const std::uint64_t rgbBytes = std::uint64_t{columns} * kBytesPerPixel * count;
  if (section.size() < sectionBytes || rgb.size() < rgbBytes) return false;
  std::uint8_t* out = rgb.data();
  for (std::size_t row = 0; row < count; ++row) {
    // A top-down section keeps the picture's bottom row last.
    const std::size_t stored = order == RowOrder::kBottomUp ? row : count - 1 - row;
    const std::uint8_t* in = section.data() + stored * stride;
    for (std::size_t x = 0; x < columns; ++x, in += kBytesPerPixel, out += kBytesPerPixel) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
  return true;
}
