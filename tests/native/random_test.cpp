#include <gtest/gtest.h>

#include "random.h"

// The first values of the Windows C runtime's generator after seeding with 1, as documented widely.
TEST(Random, SeedOneGivesTheRuntimeSequence) {
  SeedRandom(1);
  EXPECT_EQ(Random(), 41);
  EXPECT_EQ(Random(), 18467);
  EXPECT_EQ(Random(), 6334);
  EXPECT_EQ(Random(), 26500);
  EXPECT_EQ(Random(), 19169);
}

// The state wraps modulo 2^32 and only bits 16 to 30 are returned, so values stay within 15 bits.
TEST(Random, ValuesStayWithinFifteenBitsAcrossWrap) {
  SeedRandom(0xFFFFFFFFu);
  // 0xFFFFFFFF * 214013 + 2531011 = 2316998 (mod 2^32); bits 16..30 -> 35.
  EXPECT_EQ(Random(), 35);
  for (int i = 0; i < 100000; ++i) {
    const int value = Random();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
  }
}
