#include "bmp_encoder.h"

#include <algorithm>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

struct Format {
  unsigned bits;
  unsigned compression;
  bool indexed;
};

Format Describe(PixelFormat format) {
  switch (format) {
    case PixelFormat::kIndexed1:
      return {1, 0, true};
    case PixelFormat::kIndexed4:
      return {4, 0, true};
    case PixelFormat::kIndexed8:
      return {8, 0, true};
    case PixelFormat::kRle4:
      return {4, 2, true};
    case PixelFormat::kRle8:
      return {8, 1, true};
    case PixelFormat::kRgb555:
      return {16, 0, false};
    case PixelFormat::kFields565:
      return {16, 3, false};
    case PixelFormat::kRgb24:
      return {24, 0, false};
    case PixelFormat::kRgb32:
      return {32, 0, false};
    case PixelFormat::kFieldsRgbx32:
      return {32, 3, false};
  }
  throw std::invalid_argument("unknown pixel format");
}

std::vector<Rgb> MakePalette(const Picture& picture, unsigned bits) {
  std::vector<Rgb> palette;
  for (const Rgb& colour : picture.pixels) {
    if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
      palette.push_back(colour);
    }
  }
  if (palette.size() > (1u << bits)) throw std::invalid_argument("too many colours");
  palette.resize(1u << bits);  // a full table, padded with black
  return palette;
}

unsigned IndexOf(const std::vector<Rgb>& palette, Rgb colour) {
  return static_cast<unsigned>(std::find(palette.begin(), palette.end(), colour) - palette.begin());
}

// Rows in the order they are stored: bottom row first unless top-down.
std::vector<int> StoredRows(const Picture& picture, bool topDown) {
  std::vector<int> rows;
  for (int i = 0; i < picture.height; ++i) rows.push_back(topDown ? picture.height - 1 - i : i);
  return rows;
}

void PutDirectPixel(Bytes& row, PixelFormat format, Rgb c) {
  switch (format) {
    case PixelFormat::kRgb555:
      Put16(row, (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3);
      return;
    case PixelFormat::kFields565:
      Put16(row, (c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3);
      return;
    case PixelFormat::kRgb24:
      row.insert(row.end(), {c.b, c.g, c.r});
      return;
    case PixelFormat::kRgb32:
      row.insert(row.end(), {c.b, c.g, c.r, 0x5A});
      return;
    default:  // kFieldsRgbx32
      row.insert(row.end(), {c.r, c.g, c.b, 0xA5});
      return;
  }
}

Bytes EncodeRows(const Picture& picture, const BmpOptions& options,
                 const std::vector<Rgb>& palette) {
  const Format format = Describe(options.format);
  Bytes pixels;
  for (int y : StoredRows(picture, options.topDown)) {
    Bytes row;
    unsigned pending = 0, pendingBits = 0;
    for (int x = 0; x < picture.width; ++x) {
      if (!format.indexed) {
        PutDirectPixel(row, options.format, picture.At(x, y));
        continue;
      }
      pending = pending << format.bits | IndexOf(palette, picture.At(x, y));
      pendingBits += format.bits;
      if (pendingBits == 8) {
        row.push_back(static_cast<std::uint8_t>(pending));
        pending = pendingBits = 0;
      }
    }
    if (pendingBits != 0) row.push_back(static_cast<std::uint8_t>(pending << (8 - pendingBits)));
    while (row.size() % 4 != 0) row.push_back(0);
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  return pixels;
}

// Length of the run of equal indices starting at x.
int RunAt(const std::vector<unsigned>& line, int x) {
  int end = x + 1;
  while (end < static_cast<int>(line.size()) && line[end] == line[x] && end - x < 255) ++end;
  return end - x;
}

// Run-length rows: runs of two or more as encoded pairs, other stretches of three or more in
// absolute mode (padded to a 16-bit boundary), single pixels as runs of one.
Bytes EncodeRunLength(const Picture& picture, unsigned bits, const std::vector<Rgb>& palette) {
  Bytes out;
  for (int y = 0; y < picture.height; ++y) {
    std::vector<unsigned> line;
    for (int x = 0; x < picture.width; ++x) line.push_back(IndexOf(palette, picture.At(x, y)));
    const int width = static_cast<int>(line.size());
    for (int x = 0; x < width;) {
      int literal = 0;
      while (x + literal < width && RunAt(line, x + literal) < 2 && literal < 255) ++literal;
      if (literal >= 3) {
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(literal));
        Bytes packed;
        for (int i = 0; i < literal; ++i) {
          if (bits == 8) {
            packed.push_back(static_cast<std::uint8_t>(line[x + i]));
          } else if (i % 2 == 0) {
            packed.push_back(static_cast<std::uint8_t>(line[x + i] << 4));
          } else {
            packed.back() |= static_cast<std::uint8_t>(line[x + i]);
          }
        }
        if (packed.size() % 2 != 0) packed.push_back(0);
        out.insert(out.end(), packed.begin(), packed.end());
        x += literal;
        continue;
      }
      const int run = RunAt(line, x);
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(static_cast<std::uint8_t>(bits == 8 ? line[x] : line[x] << 4 | line[x]));
      x += run;
    }
    out.insert(out.end(), {0, static_cast<std::uint8_t>(y + 1 == picture.height ? 1 : 0)});
  }
  return out;
}

}  // namespace

Picture::Picture(int width, int height)
    : width(width), height(height), pixels(static_cast<std::size_t>(width) * height) {}

std::vector<std::uint8_t> Picture::RgbBytes() const {
  Bytes out;
  for (const Rgb& c : pixels) out.insert(out.end(), {c.r, c.g, c.b});
  return out;
}

std::uint8_t Widen5(unsigned level) { return static_cast<std::uint8_t>(level << 3 | level >> 2); }
std::uint8_t Widen6(unsigned level) { return static_cast<std::uint8_t>(level << 2 | level >> 4); }

std::vector<std::uint8_t> EncodeBmp(const Picture& picture, const BmpOptions& options) {
  const Format format = Describe(options.format);
  const bool core = options.header == HeaderKind::kCore;
  if (core && (format.compression != 0 || (!format.indexed && format.bits != 24))) {
    throw std::invalid_argument("a core header holds only indexed and 24-bit pictures");
  }
  std::vector<Rgb> palette;
  if (format.indexed) palette = MakePalette(picture, format.bits);
  const bool runLength = format.compression == 1 || format.compression == 2;
  const Bytes pixels = runLength ? EncodeRunLength(picture, format.bits, palette)
                                 : EncodeRows(picture, options, palette);

  Bytes table;
  if (format.compression == 3) {
    const bool is565 = options.format == PixelFormat::kFields565;
    Put32(table, is565 ? 0xF800 : 0x0000FF);
    Put32(table, is565 ? 0x07E0 : 0x00FF00);
    Put32(table, is565 ? 0x001F : 0xFF0000);
  }
  for (const Rgb& c : palette) {
    table.insert(table.end(), {c.b, c.g, c.r});
    if (!core) table.push_back(0);
  }

  Bytes header;
  const int height = options.topDown ? -picture.height : picture.height;
  if (core) {
    Put32(header, 12);
    Put16(header, static_cast<unsigned>(picture.width));
    Put16(header, static_cast<unsigned>(height));
    Put16(header, 1);
    Put16(header, format.bits);
  } else {
    Put32(header, 40);
    Put32(header, static_cast<std::uint32_t>(picture.width));
    Put32(header, static_cast<std::uint32_t>(height));
    Put16(header, 1);
    Put16(header, format.bits);
    Put32(header, format.compression);
    Put32(header, static_cast<std::uint32_t>(pixels.size()));
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, static_cast<std::uint32_t>(palette.size()));
    Put32(header, 0);
  }

  Bytes file;
  const std::size_t fileHeaderBytes = options.fileHeader ? 14 : 0;
  const std::size_t offset = fileHeaderBytes + header.size() + table.size();
  if (options.fileHeader) {
    Put16(file, 'B' | 'M' << 8);
    Put32(file, static_cast<std::uint32_t>(offset + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(offset));
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), table.begin(), table.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}
