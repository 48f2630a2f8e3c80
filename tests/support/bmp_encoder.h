#pragma once

#include <cstdint>
#include <vector>

// Builds bitmap files from pictures the tests define, independently of the reader under test, so
// the expected pixels are always the picture itself.

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A test picture; row 0 is the bottom row, as the reader returns it.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Picture(int width, int height);
  Rgb& At(int x, int row) { return pixels[static_cast<std::size_t>(row) * width + x]; }
  Rgb At(int x, int row) const { return pixels[static_cast<std::size_t>(row) * width + x]; }
  // Red, green, blue bytes, bottom row first, no padding: what the reader must produce.
  std::vector<std::uint8_t> RgbBytes() const;
};

enum class PixelFormat {
  kIndexed1,
  kIndexed4,
  kIndexed8,
  kRle4,
  kRle8,
  kRgb555,     // 16 bits, no masks
  kFields565,  // 16 bits with red 0xF800, green 0x07E0, blue 0x001F masks
  kRgb24,
  kRgb32,        // blue, green, red, unused
  kFieldsRgbx32  // 32 bits with red in the lowest byte: masks 0xFF, 0xFF00, 0xFF0000
};

enum class HeaderKind { kCore, kInfo };

struct BmpOptions {
  PixelFormat format = PixelFormat::kRgb24;
  HeaderKind header = HeaderKind::kInfo;
  bool fileHeader = true;
  bool topDown = false;
};

// Encodes the picture. Indexed and run-length formats build their colour table from the picture's
// colours in order of first appearance; 16-bit formats keep the top bits of each channel.
// Throws std::invalid_argument for a picture the format cannot hold.
std::vector<std::uint8_t> EncodeBmp(const Picture& picture, const BmpOptions& options);

// The 8-bit value a 5- or 6-bit channel stands for: its bits repeated into the low bits.
std::uint8_t Widen5(unsigned level);
std::uint8_t Widen6(unsigned level);
