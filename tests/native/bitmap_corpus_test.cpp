#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bitmap_header.h"
#include "bitmap_rows.h"
#include "image_record.h"
#include "little_endian.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The outcome a corpus file's name announces, before its "--".
BitmapFault ExpectedFault(const std::string& name) {
  const std::string outcome = name.substr(0, name.find("--"));
  if (outcome == "accept") return BitmapFault::kNone;
  if (outcome == "reject-format") return BitmapFault::kUnknownFormat;
  EXPECT_EQ(outcome, "reject-conversion") << name;
  return BitmapFault::kConversionError;
}

// Walks what the conversion would be handed, so the sanitizer sees any byte outside the file.
void TouchLayout(const Bytes& file, const BitmapLayout& layout) {
  ASSERT_LE(layout.pixelOffset, file.size());
  ASSERT_LE(layout.pixelLength, file.size() - layout.pixelOffset);
  volatile unsigned sum = 0;
  for (std::size_t i = 0; i < layout.pixelLength; ++i) sum = sum + file[layout.pixelOffset + i];
  const std::int32_t rows = std::abs(layout.header.height);
  const Bytes section(PaddedRowBytes(layout.header.width, kSectionBitsPerPixel) * rows, 0x40);
  Bytes rgb(static_cast<std::size_t>(layout.header.width) * rows * 3);
  EXPECT_TRUE(
      CopySectionRows(section, layout.header.width, rows, RowOrderOf(layout.header.height), rgb));
  EXPECT_EQ(rgb, Bytes(rgb.size(), 0x40));
}

}  // namespace

TEST(BitmapCorpus, EveryFileGivesTheOutcomeItsNameAnnounces) {
  int files = 0;
  int malformed = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(BITMAP_CORPUS_DIR)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".bmp") continue;
    SCOPED_TRACE(name);
    const Bytes file = ReadFile(entry.path());
    const BitmapFault expected = ExpectedFault(name);
    const BitmapParse parse = ParseBitmap(file);
    EXPECT_EQ(parse.fault, expected);
    if (parse.fault == BitmapFault::kNone) TouchLayout(file, parse.layout);
    ++files;
    if (expected != BitmapFault::kNone) ++malformed;
  }
  EXPECT_GE(malformed, 30);
  EXPECT_GT(files, malformed);
}

// The host writes this file as the working bitmap; its bytes are fixed by the file layout both
// programs agree on.
TEST(SnowFlakePicture, HasTheAgreedLayoutAndLook) {
  const Bytes file = ReadFile(SNOW_FLAKE_BMP);
  ASSERT_EQ(file.size(), 12342u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  const std::vector<std::pair<std::size_t, std::uint32_t>> fields = {
      {2, 12342}, {6, 0},      {10, 54},   {14, 40},   {18, 64}, {22, 64},
      {30, 0},    {34, 12288}, {38, 2835}, {42, 2835}, {46, 0},  {50, 0}};
  for (const auto& [offset, value] : fields) EXPECT_EQ(ReadLittle32(file, offset), value) << offset;
  EXPECT_EQ(ReadLittle16(file, 26), 1);   // planes
  EXPECT_EQ(ReadLittle16(file, 28), 24);  // bits per pixel

  const BitmapParse parse = ParseBitmap(file);
  ASSERT_EQ(parse.fault, BitmapFault::kNone);
  EXPECT_EQ(parse.layout.pixelOffset, 54u);
  EXPECT_EQ(parse.layout.pixelLength, 12288u);

  const auto grey = [&](int x, int row) {
    const std::size_t at = 54 + static_cast<std::size_t>(row) * 192 + x * 3;
    EXPECT_EQ(file[at], file[at + 1]);
    EXPECT_EQ(file[at + 1], file[at + 2]);
    return static_cast<int>(file[at]);
  };
  EXPECT_EQ(grey(31, 31), 226);
  EXPECT_EQ(grey(32, 32), 226);
  for (int row = 0; row < 64; ++row) {
    for (int x = 0; x < 64; ++x) {
      const double r = std::hypot(x - 31.5, row - 31.5);
      const int value = grey(x, row);
      if (r > 16) {
        EXPECT_LE(value, 24) << x << "," << row;
      }
      if (r >= 21) {
        EXPECT_EQ(value, 0) << x << "," << row;
      }
    }
  }
}
