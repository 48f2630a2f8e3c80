#include "bitmap_header.h"

#include <cstdlib>
#include <limits>

#include "bitmap_rows.h"
#include "little_endian.h"

namespace {

constexpr std::size_t kPixelOffsetField = 10;  // in the file header
constexpr std::size_t kCoreEntryBytes = 3;     // blue, green, red
constexpr std::size_t kInfoEntryBytes = 4;     // blue, green, red, reserved
constexpr std::uint32_t kMaxColoursUsed = std::numeric_limits<std::uint16_t>::max();

using Bytes = std::span<const std::uint8_t>;

// True when count bytes starting at offset lie inside the file.
bool Has(Bytes file, std::size_t offset, std::size_t count) {
  return offset <= file.size() && count <= file.size() - offset;
}

std::int32_t I32(Bytes file, std::size_t offset) {
  return static_cast<std::int32_t>(ReadLittle32(file, offset));
}

// The old core header has 16-bit sizes, read without sign, and no compression.
InfoHeader ReadCoreHeader(Bytes file, std::size_t start) {
  InfoHeader header;
  header.size = kInfoHeaderBytes;
  header.width = ReadLittle16(file, start + 4);
  header.height = ReadLittle16(file, start + 6);
  header.planes = ReadLittle16(file, start + 8);
  header.bitsPerPixel = ReadLittle16(file, start + 10);
  return header;
}

InfoHeader ReadInfoHeader(Bytes file, std::size_t start) {
  InfoHeader header;
  header.size = ReadLittle32(file, start);
  header.width = I32(file, start + 4);
  header.height = I32(file, start + 8);
  header.planes = ReadLittle16(file, start + 12);
  header.bitsPerPixel = ReadLittle16(file, start + 14);
  header.compression = ReadLittle32(file, start + 16);
  header.imageSize = ReadLittle32(file, start + 20);
  header.xPixelsPerMetre = I32(file, start + 24);
  header.yPixelsPerMetre = I32(file, start + 28);
  header.coloursUsed = ReadLittle32(file, start + 32);
  header.coloursImportant = ReadLittle32(file, start + 36);
  return header;
}

bool IsPaletteDepth(std::uint32_t bits) { return bits == 1 || bits == 4 || bits == 8; }

// The depth and compression pairs the system's conversion knows. Run-length pictures cannot be
// stored top-down, and a core header has neither compression nor 16- or 32-bit pixels.
bool IsKnownEncoding(const InfoHeader& header, std::uint32_t headerSize) {
  const std::uint32_t bits = header.bitsPerPixel;
  const bool topDown = header.height < 0;
  if (headerSize == kCoreHeaderBytes) return IsPaletteDepth(bits) || bits == 24;
  switch (static_cast<Compression>(header.compression)) {
    case Compression::kNone:
      return IsPaletteDepth(bits) || bits == 16 || bits == 24 || bits == 32;
    case Compression::kRle8:
      return bits == 8 && !topDown;
    case Compression::kRle4:
      return bits == 4 && !topDown;
    case Compression::kBitFields:
      return bits == 16 || bits == 32;
  }
  return false;
}

bool HasUsableSize(const InfoHeader& header) {
  const std::int64_t rows = std::llabs(static_cast<std::int64_t>(header.height));
  return header.width >= 1 && header.width <= kMaxSidePixels && rows >= 1 && rows <= kMaxSidePixels;
}

bool IsRunLength(const InfoHeader& header) {
  const auto compression = static_cast<Compression>(header.compression);
  return compression == Compression::kRle8 || compression == Compression::kRle4;
}

bool HasBitFieldMasks(const BitmapLayout& layout) {
  return layout.headerSize == kInfoHeaderBytes &&
         layout.header.compression == static_cast<std::uint32_t>(Compression::kBitFields);
}

// Bytes the masks and the colour table take in the file, between the header and the pixels.
std::size_t ColourTableBytes(const BitmapLayout& layout) {
  const bool core = layout.headerSize == kCoreHeaderBytes;
  const std::size_t entryBytes = core ? kCoreEntryBytes : kInfoEntryBytes;
  const std::size_t maskBytes = HasBitFieldMasks(layout) ? kBitFieldMaskBytes : 0;
  return maskBytes + layout.paletteColours * entryBytes;
}

// Copies the masks of a bit-field picture and the colour table, each entry widened to 4 bytes.
// False when they do not fit in the file.
bool ReadColourEntries(Bytes file, std::size_t start, BitmapLayout& layout) {
  const std::size_t tableBytes = ColourTableBytes(layout);
  if (!Has(file, start, tableBytes)) return false;
  const bool core = layout.headerSize == kCoreHeaderBytes;
  const std::size_t entryBytes = core ? kCoreEntryBytes : kInfoEntryBytes;
  const std::size_t maskBytes = HasBitFieldMasks(layout) ? kBitFieldMaskBytes : 0;
  auto& entries = layout.colourEntries;
  entries.assign(file.begin() + start, file.begin() + start + maskBytes);
  for (std::size_t at = start + maskBytes; at < start + tableBytes; at += entryBytes) {
    entries.insert(entries.end(), {file[at], file[at + 1], file[at + 2]});
    entries.push_back(core ? 0 : file[at + 3]);
  }
  return true;
}

// Finds the pixel bytes: uncompressed pictures need every stored row; a run-length stream takes
// its declared size, or the rest of the file when none is declared. False when they do not fit.
bool LocatePixels(Bytes file, std::size_t pixelOffset, BitmapLayout& layout) {
  const InfoHeader& header = layout.header;
  std::uint64_t length = 0;
  if (IsRunLength(header)) {
    if (pixelOffset > file.size()) return false;
    length = header.imageSize != 0 ? header.imageSize : file.size() - pixelOffset;
  } else {
    // The size check has bounded both sides, so the product cannot overflow.
    length = PaddedRowBytes(static_cast<std::uint64_t>(header.width), header.bitsPerPixel) *
             static_cast<std::uint64_t>(std::llabs(static_cast<std::int64_t>(header.height)));
  }
  if (length == 0 || length > std::numeric_limits<std::uint32_t>::max()) return false;
  if (!Has(file, pixelOffset, static_cast<std::size_t>(length))) return false;
  layout.pixelOffset = pixelOffset;
  layout.pixelLength = static_cast<std::size_t>(length);
  return true;
}

}  // namespace

std::uint16_t CountPaletteColours(std::uint32_t headerSize, std::uint32_t bitsPerPixel,
                                  std::uint32_t coloursUsed) {
  if (headerSize != kCoreHeaderBytes && coloursUsed != 0) {
    return static_cast<std::uint16_t>(coloursUsed);
  }
  switch (bitsPerPixel) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

BitmapParse ParseBitmap(Bytes file) {
  BitmapParse result;
  result.fault = BitmapFault::kConversionError;
  BitmapLayout& layout = result.layout;
  layout.hasFileHeader = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
  const std::size_t headerStart = layout.hasFileHeader ? kFileHeaderBytes : 0;
  if (!Has(file, headerStart, sizeof(std::uint32_t))) return result;
  layout.headerSize = ReadLittle32(file, headerStart);
  if (layout.headerSize != kCoreHeaderBytes && layout.headerSize != kInfoHeaderBytes) {
    result.fault = BitmapFault::kUnknownFormat;
    return result;
  }
  if (!Has(file, headerStart, layout.headerSize)) return result;
  const bool core = layout.headerSize == kCoreHeaderBytes;
  InfoHeader& header = layout.header;
  header = core ? ReadCoreHeader(file, headerStart) : ReadInfoHeader(file, headerStart);
  if (!HasUsableSize(header) || !IsKnownEncoding(header, layout.headerSize)) return result;
  // A count beyond 16 bits would be cut, and the table read would no longer end where the file's
  // does.
  if (!core && header.coloursUsed > kMaxColoursUsed) return result;
  layout.paletteColours =
      CountPaletteColours(layout.headerSize, header.bitsPerPixel, header.coloursUsed);
  const std::size_t tableStart = headerStart + layout.headerSize;
  if (!ReadColourEntries(file, tableStart, layout)) return result;
  const std::size_t pixelOffset = layout.hasFileHeader ? ReadLittle32(file, kPixelOffsetField)
                                                       : tableStart + ColourTableBytes(layout);
  if (!LocatePixels(file, pixelOffset, layout)) return result;
  // The conversion reads exactly the checked bytes and exactly the entries that were copied.
  header.imageSize = static_cast<std::uint32_t>(layout.pixelLength);
  header.coloursUsed = layout.paletteColours;
  result.fault = BitmapFault::kNone;
  return result;
}
