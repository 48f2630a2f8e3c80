// Bitmap files as the renderer meets them: untrusted bytes through the header checks and, for
// files that pass, through everything the conversion and the row copy would be handed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "image_record.h"

namespace {

// Larger pictures are valid but only slow the search down; their row copy is the same code.
constexpr std::int64_t kMaxCopiedPixels = 1 << 20;

// Reads every byte the conversion would be given, so the sanitizer sees any outside the input.
unsigned TouchPixels(const std::uint8_t* data, std::size_t size, const BitmapLayout& layout) {
  if (layout.pixelOffset > size || layout.pixelLength > size - layout.pixelOffset) std::abort();
  unsigned sum = 0;
  for (std::size_t i = 0; i < layout.pixelLength; ++i) sum += data[layout.pixelOffset + i];
  return sum;
}

void CheckDescription(const BitmapLayout& layout) {
  const InfoHeader& header = layout.header;
  const std::size_t masks =
      header.compression == static_cast<std::uint32_t>(Compression::kBitFields) ? 12 : 0;
  if (layout.colourEntries.size() != masks + 4 * std::size_t{layout.paletteColours}) std::abort();
  if (header.coloursUsed != layout.paletteColours) std::abort();
  if (header.imageSize != layout.pixelLength) std::abort();
  if (header.width < 1 || header.width > kMaxSidePixels) std::abort();
  if (header.height == 0 || std::llabs(header.height) > kMaxSidePixels) std::abort();
}

void CopyRows(const InfoHeader& header) {
  const std::int32_t rows = static_cast<std::int32_t>(std::llabs(header.height));
  if (std::int64_t{header.width} * rows > kMaxCopiedPixels) return;
  const std::vector<std::uint8_t> section(PaddedRowBytes(header.width, kSectionBitsPerPixel) * rows,
                                          0x5A);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(header.width) * rows * 3);
  if (!CopySectionRows(section, header.width, rows, RowOrderOf(header.height), rgb)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const BitmapParse parse = ParseBitmap({data, size});
  if (parse.fault != BitmapFault::kNone) return 0;
  volatile unsigned sink = TouchPixels(data, size, parse.layout);
  (void)sink;
  CheckDescription(parse.layout);
  CopyRows(parse.layout.header);
  return 0;
}
