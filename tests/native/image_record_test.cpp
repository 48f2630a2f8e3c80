#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "image_record.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit section whose pixel (x, stored row) is blue 10·row + x, green 100 + x, red 200 + row,
// with every padding byte 0xEE so that a copied padding byte shows.
Bytes MakeSection(int width, int rows) {
  Bytes section;
  for (int row = 0; row < rows; ++row) {
    for (int x = 0; x < width; ++x) {
      section.insert(section.end(),
                     {static_cast<std::uint8_t>(10 * row + x), static_cast<std::uint8_t>(100 + x),
                      static_cast<std::uint8_t>(200 + row)});
    }
    while (section.size() % 4 != 0) section.push_back(0xEE);
  }
  return section;
}

Bytes Pixel(int x, int storedRow) {
  return {static_cast<std::uint8_t>(200 + storedRow), static_cast<std::uint8_t>(100 + x),
          static_cast<std::uint8_t>(10 * storedRow + x)};
}

}  // namespace

TEST(CopySectionRows, DropsPaddingAndSwapsBlueAndRedForEveryWidth) {
  for (int width : {1, 2, 3, 4, 5}) {
    const Bytes section = MakeSection(width, 2);
    Bytes rgb(static_cast<std::size_t>(width) * 2 * 3, 0x77);
    ASSERT_TRUE(CopySectionRows(section, width, 2, RowOrder::kBottomUp, rgb));
    Bytes expected;
    for (int row = 0; row < 2; ++row) {
      for (int x = 0; x < width; ++x) {
        const Bytes p = Pixel(x, row);
        expected.insert(expected.end(), p.begin(), p.end());
      }
    }
    EXPECT_EQ(rgb, expected) << "width " << width;
  }
}

TEST(CopySectionRows, TopDownSectionComesOutBottomRowFirst) {
  const Bytes section = MakeSection(3, 4);
  Bytes rgb(3 * 4 * 3);
  ASSERT_TRUE(CopySectionRows(section, 3, 4, RowOrder::kTopDown, rgb));
  // The last stored row is the bottom of the picture.
  EXPECT_EQ(Bytes(rgb.begin(), rgb.begin() + 3), Pixel(0, 3));
  EXPECT_EQ(Bytes(rgb.begin() + 9, rgb.begin() + 12), Pixel(0, 2));
  EXPECT_EQ(Bytes(rgb.end() - 3, rgb.end()), Pixel(2, 0));
}

TEST(CopySectionRows, RefusesBuffersTooSmallAndWritesNothing) {
  const Bytes section = MakeSection(5, 3);
  Bytes rgb(5 * 3 * 3, 0x77);
  const Bytes untouched = rgb;
  EXPECT_FALSE(
      CopySectionRows({section.data(), section.size() - 1}, 5, 3, RowOrder::kBottomUp, rgb));
  EXPECT_FALSE(CopySectionRows(section, 5, 3, RowOrder::kBottomUp, {rgb.data(), rgb.size() - 1}));
  EXPECT_FALSE(CopySectionRows(section, 5, 4, RowOrder::kTopDown, rgb));
  EXPECT_FALSE(CopySectionRows(section, -5, 3, RowOrder::kBottomUp, rgb));
  EXPECT_EQ(rgb, untouched);
  // Sizes whose products pass 32 bits must not wrap into something small.
  EXPECT_FALSE(CopySectionRows(section, 0x7FFFFFFF, 0x7FFFFFFF, RowOrder::kBottomUp, rgb));
  EXPECT_EQ(rgb, untouched);
}
