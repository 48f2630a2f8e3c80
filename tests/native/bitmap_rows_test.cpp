#include <gtest/gtest.h>

#include <cstdint>

#include "bitmap_rows.h"

// Rows end on a 4-byte boundary whatever the depth; worked out by hand from bits per row.
TEST(PaddedRowBytes, RoundsEachDepthUpToWholeWords) {
  struct Case {
    std::uint64_t width;
    std::uint32_t bits;
    std::uint64_t bytes;
  };
  const Case cases[] = {{1, 1, 4},        {32, 1, 4},      {33, 1, 8},  {8, 4, 4},   {9, 4, 8},
                        {5, 8, 8},        {8192, 8, 8192}, {2, 16, 4},  {3, 16, 8},  {1, 24, 4},
                        {2, 24, 8},       {3, 24, 12},     {4, 24, 12}, {5, 24, 16}, {64, 24, 192},
                        {1023, 24, 3072}, {3, 32, 12}};
  for (const Case& c : cases) {
    EXPECT_EQ(PaddedRowBytes(c.width, c.bits), c.bytes) << c.width << " x " << c.bits << " bits";
  }
  // Beyond 32 bits: no width and depth a header declares can overflow the count.
  EXPECT_EQ(PaddedRowBytes(0xFFFFFFFF, 32), 0x3FFFFFFFCu);
}
