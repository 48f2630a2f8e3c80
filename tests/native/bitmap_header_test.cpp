#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "bitmap_header.h"
#include "bmp_encoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Three colours on a 5 by 3 picture: odd width, so stored rows carry padding.
Picture ThreeColours() {
  Picture picture(5, 3);
  for (int row = 0; row < 3; ++row) {
    for (int x = 0; x < 5; ++x) {
      picture.At(x, row) = (x + row) % 3 == 0   ? Rgb{200, 10, 20}
                           : (x + row) % 3 == 1 ? Rgb{1, 2, 3}
                                                : Rgb{0, 255, 0};
    }
  }
  return picture;
}

BitmapParse Parse(const Bytes& file) { return ParseBitmap(file); }

}  // namespace

TEST(CountPaletteColours, FollowsDepthUnlessAnInfoHeaderNamesACount) {
  EXPECT_EQ(CountPaletteColours(40, 1, 0), 2);
  EXPECT_EQ(CountPaletteColours(40, 4, 0), 16);
  EXPECT_EQ(CountPaletteColours(40, 8, 0), 256);
  EXPECT_EQ(CountPaletteColours(40, 24, 0), 0);
  EXPECT_EQ(CountPaletteColours(40, 16, 0), 0);
  EXPECT_EQ(CountPaletteColours(40, 8, 7), 7);
  EXPECT_EQ(CountPaletteColours(40, 24, 300), 300);
  // A core header has no colours-used field: whatever the caller passes is ignored.
  EXPECT_EQ(CountPaletteColours(12, 8, 7), 256);
  EXPECT_EQ(CountPaletteColours(12, 24, 7), 0);
  // The count is cut to 16 bits.
  EXPECT_EQ(CountPaletteColours(40, 8, 65536), 0);
  EXPECT_EQ(CountPaletteColours(40, 8, 65537), 1);
}

TEST(ParseBitmap, DescribesAnIndexedPictureWithFileHeader) {
  const Bytes file = EncodeBmp(ThreeColours(), {.format = PixelFormat::kIndexed8});
  const BitmapParse parse = Parse(file);
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  const BitmapLayout& layout = parse.layout;
  EXPECT_TRUE(layout.hasFileHeader);
  EXPECT_EQ(layout.headerSize, 40u);
  EXPECT_EQ(layout.paletteColours, 256);
  EXPECT_EQ(layout.header.size, 40u);
  EXPECT_EQ(layout.header.width, 5);
  EXPECT_EQ(layout.header.height, 3);
  EXPECT_EQ(layout.header.bitsPerPixel, 8);
  EXPECT_EQ(layout.header.coloursUsed, 256u);
  EXPECT_EQ(layout.header.xPixelsPerMetre, 2835);
  EXPECT_EQ(layout.pixelOffset, 14u + 40 + 1024);
  EXPECT_EQ(layout.pixelLength, 8u * 3);  // 5 bytes padded to 8, three rows
  EXPECT_EQ(layout.header.imageSize, 24u);
  ASSERT_EQ(layout.colourEntries.size(), 1024u);
  // First colour seen is entry 0, stored blue, green, red, reserved.
  EXPECT_EQ(Bytes(layout.colourEntries.begin(), layout.colourEntries.begin() + 8),
            (Bytes{20, 10, 200, 0, 3, 2, 1, 0}));
}

TEST(ParseBitmap, WidensCoreHeaderAndItsThreeByteEntries) {
  const Picture picture = ThreeColours();
  const Bytes core =
      EncodeBmp(picture, {.format = PixelFormat::kIndexed4, .header = HeaderKind::kCore});
  const Bytes info = EncodeBmp(picture, {.format = PixelFormat::kIndexed4});
  const BitmapParse fromCore = Parse(core);
  const BitmapParse fromInfo = Parse(info);
  ASSERT_EQ(fromCore.fault, BitmapFault::kNone);
  ASSERT_EQ(fromInfo.fault, BitmapFault::kNone);
  EXPECT_EQ(fromCore.layout.headerSize, 12u);
  EXPECT_EQ(fromCore.layout.header.size, 40u);
  EXPECT_EQ(fromCore.layout.header.coloursUsed, 16u);
  EXPECT_EQ(fromCore.layout.colourEntries, fromInfo.layout.colourEntries);
  EXPECT_EQ(fromCore.layout.pixelOffset, 14u + 12 + 16 * 3);
  EXPECT_EQ(fromCore.layout.pixelLength, fromInfo.layout.pixelLength);
}

TEST(ParseBitmap, FindsPixelsAfterTheTableWithoutAFileHeader) {
  const Picture picture = ThreeColours();
  const auto offsetOf = [&](BmpOptions options) {
    options.fileHeader = false;
    const BitmapParse parse = Parse(EncodeBmp(picture, options));
    EXPECT_EQ(parse.fault, BitmapFault::kNone);
    EXPECT_FALSE(parse.layout.hasFileHeader);
    return parse.layout.pixelOffset;
  };
  EXPECT_EQ(offsetOf({.format = PixelFormat::kIndexed4, .header = HeaderKind::kCore}), 12u + 48);
  EXPECT_EQ(offsetOf({.format = PixelFormat::kIndexed8}), 40u + 1024);
  EXPECT_EQ(offsetOf({.format = PixelFormat::kRgb24}), 40u);
  // Masks sit between the header and the pixels.
  EXPECT_EQ(offsetOf({.format = PixelFormat::kFields565}), 40u + 12);
}

TEST(ParseBitmap, KeepsBitFieldMasksForTheConversion) {
  struct Case {
    PixelFormat format;
    Bytes masks;  // red, green, blue, each 32 bits little-endian
    std::size_t pixelLength;
  };
  const Case cases[] = {
      {PixelFormat::kFields565, {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0x00, 0, 0}, 12u * 3},
      {PixelFormat::kFieldsRgbx32, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0}, 20u * 3},
  };
  for (const Case& c : cases) {
    const BitmapParse parse = Parse(EncodeBmp(ThreeColours(), {.format = c.format}));
    ASSERT_EQ(parse.fault, BitmapFault::kNone) << static_cast<int>(c.format);
    EXPECT_EQ(parse.layout.header.compression, 3u);
    EXPECT_EQ(parse.layout.colourEntries, c.masks);
    EXPECT_EQ(parse.layout.pixelOffset, 14u + 40 + 12);
    EXPECT_EQ(parse.layout.pixelLength, c.pixelLength);
  }
}

TEST(ParseBitmap, TopDownPictureKeepsItsSignAndNeedsEveryRow) {
  const BitmapParse parse =
      Parse(EncodeBmp(ThreeColours(), {.format = PixelFormat::kRgb24, .topDown = true}));
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  EXPECT_EQ(parse.layout.header.height, -3);
  EXPECT_EQ(parse.layout.pixelLength, 16u * 3);
}

TEST(ParseBitmap, RunLengthStreamTakesDeclaredSizeOrTheRestOfTheFile) {
  Bytes file = EncodeBmp(ThreeColours(), {.format = PixelFormat::kRle8});
  const std::size_t offset = 14 + 40 + 1024;
  const std::size_t stream = file.size() - offset;
  file.insert(file.end(), {0xEE, 0xEE});  // trailing bytes beyond the declared stream
  BitmapParse parse = Parse(file);
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  EXPECT_EQ(parse.layout.pixelLength, stream);
  Put32(file, 14 + 20, 0);
  parse = Parse(file);
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  EXPECT_EQ(parse.layout.pixelLength, stream + 2);
  EXPECT_EQ(parse.layout.header.imageSize, stream + 2);
  Put32(file, 14 + 20, static_cast<std::uint32_t>(stream + 3));
  EXPECT_EQ(Parse(file).fault, BitmapFault::kConversionError);
}

// Every region the reader depends on is accepted when it ends exactly at the end of the file and
// rejected when it is one byte short.
TEST(ParseBitmap, RejectsEveryRegionOneByteShort) {
  const Picture picture = ThreeColours();
  const std::vector<BmpOptions> cases = {
      {.format = PixelFormat::kRgb24},
      {.format = PixelFormat::kIndexed4, .header = HeaderKind::kCore},
      {.format = PixelFormat::kIndexed8, .fileHeader = false},
      {.format = PixelFormat::kFields565, .fileHeader = false},
      {.format = PixelFormat::kRle4},
  };
  for (const BmpOptions& options : cases) {
    const Bytes file = EncodeBmp(picture, options);
    ASSERT_EQ(Parse(file).fault, BitmapFault::kNone) << static_cast<int>(options.format);
    for (std::size_t size = 0; size < file.size(); ++size) {
      const Bytes cut(file.begin(), file.begin() + size);
      EXPECT_EQ(Parse(cut).fault, BitmapFault::kConversionError)
          << "format " << static_cast<int>(options.format) << " cut to " << size;
    }
  }
}

// Sizes, depths and compressions the conversion cannot take are in the malformed corpus.
TEST(ParseBitmap, AcceptsTheLargestSidesAWholeFileCanBack) {
  // 8192 pixels of 8 bits in one row: at the limit, with every byte present.
  Picture picture(8192, 1);
  const Bytes file = EncodeBmp(picture, {.format = PixelFormat::kIndexed8});
  const BitmapParse parse = Parse(file);
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  EXPECT_EQ(parse.layout.pixelLength, 8192u);

  // 8192 rows one pixel wide, stored either way up: each row padded to 4 bytes.
  for (const bool topDown : {false, true}) {
    const BitmapParse tall =
        Parse(EncodeBmp(Picture(1, 8192), {.format = PixelFormat::kIndexed8, .topDown = topDown}));
    ASSERT_EQ(tall.fault, BitmapFault::kNone) << "top-down " << topDown;
    EXPECT_EQ(tall.layout.header.height, topDown ? -8192 : 8192);
    EXPECT_EQ(tall.layout.pixelLength, 4u * 8192);
  }
}
