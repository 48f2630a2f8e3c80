#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "forms/bitmap_file.h"
#include "little_endian.h"

namespace {

// The working bitmap the renderer reads: every field at its offset, as the two programs agree.
TEST(BitmapFile, SixtyFourSquareIsTheWorkingBitmapLayout) {
  std::vector<std::uint8_t> rows(64 * 192);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<std::uint8_t>(i * 7);
  const std::vector<std::uint8_t> file = BitmapFileBytes(64, 64, rows);
  ASSERT_EQ(file.size(), 12342u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(ReadLittle32(file, 2), 12342u);
  EXPECT_EQ(ReadLittle32(file, 6), 0u);
  EXPECT_EQ(ReadLittle32(file, 10), 54u);
  EXPECT_EQ(ReadLittle32(file, 14), 40u);
  EXPECT_EQ(ReadLittle32(file, 18), 64u);
  EXPECT_EQ(ReadLittle32(file, 22), 64u);
  EXPECT_EQ(ReadLittle16(file, 26), 1u);
  EXPECT_EQ(ReadLittle16(file, 28), 24u);
  EXPECT_EQ(ReadLittle32(file, 30), 0u);
  EXPECT_EQ(ReadLittle32(file, 34), 12288u);
  EXPECT_EQ(ReadLittle32(file, 38), 2835u);
  EXPECT_EQ(ReadLittle32(file, 42), 2835u);
  EXPECT_EQ(ReadLittle32(file, 46), 0u);
  EXPECT_EQ(ReadLittle32(file, 50), 0u);
  EXPECT_TRUE(std::equal(rows.begin(), rows.end(), file.begin() + 54));
}

// Odd widths pad each row to four bytes; a source shorter than the picture is never overread.
TEST(BitmapFile, RowsArePaddedAndShortSourcesEndInBlack) {
  const std::vector<std::uint8_t> rows = {1, 2, 3, 4, 5, 6};
  const std::vector<std::uint8_t> file = BitmapFileBytes(5, 2, rows);
  ASSERT_EQ(file.size(), 54u + 32u);
  EXPECT_EQ(ReadLittle32(file, 2), 86u);
  EXPECT_EQ(ReadLittle32(file, 34), 32u);
  EXPECT_EQ(file[54], 1);
  EXPECT_EQ(file[59], 6);
  EXPECT_EQ(file[60], 0);
  EXPECT_EQ(file.back(), 0);
}

}  // namespace
