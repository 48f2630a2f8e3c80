#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Reads the headers of a Windows device-independent bitmap file and checks every size and offset
// in them against the file's length, so that the system's conversion is only ever handed bytes
// that exist. Nothing here touches the system: bytes in, a described layout or a reason out.

// The 40-byte info header the conversion is described by, whichever header the file carried.
struct InfoHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows stored top row first
  std::uint16_t planes = 0;
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;  // bytes of pixel data handed to the conversion
  std::int32_t xPixelsPerMetre = 0;
  std::int32_t yPixelsPerMetre = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t coloursImportant = 0;
};

enum class Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::size_t kBitFieldMaskBytes = 12;  // red, green and blue masks of 32 bits each
// The largest width or height accepted. A texture needs no more, and the bound keeps a few bytes
// of run-length stream from asking for gigabytes of pixels (8192² × 3 bytes = 192 MiB at most).
constexpr std::int64_t kMaxSidePixels = 8192;

// Where the bytes of a file that passed every check lie, and how the conversion is to read them.
struct BitmapLayout {
  std::uint32_t headerSize = 0;  // 12 or 40, as stored in the file
  bool hasFileHeader = false;
  std::uint16_t paletteColours = 0;  // n, see CountPaletteColours
  InfoHeader header;
  // What follows the working header: the three masks of a bit-field picture, then n colour
  // entries of 4 bytes (blue, green, red, 0), widened from 3 bytes after a core header.
  std::vector<std::uint8_t> colourEntries;
  std::size_t pixelOffset = 0;  // from the start of the file
  std::size_t pixelLength = 0;  // never reaches past the end of the file
};

enum class BitmapFault {
  kNone,
  kUnknownFormat,    // a header size other than 12 or 40
  kConversionError,  // truncated, inconsistent or beyond what the conversion can take
};

struct BitmapParse {
  BitmapFault fault = BitmapFault::kNone;
  BitmapLayout layout;  // meaningful only without a fault
};

BitmapParse ParseBitmap(std::span<const std::uint8_t> file);

// The number of colour-table entries the header announces: a core header's follow from its bits
// per pixel, an info header's colours-used wins when it is not 0. 1, 4 and 8 bits give 2, 16 and
// 256; other depths 0. The count is cut to 16 bits.
std::uint16_t CountPaletteColours(std::uint32_t headerSize, std::uint32_t bitsPerPixel,
                                  std::uint32_t coloursUsed);
