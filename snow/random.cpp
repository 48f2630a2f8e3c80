#include "random.h"

#include <cstdint>

namespace {
std::uint32_t state = 1;
}

void SeedRandom(unsigned int seed) { state = seed; }

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}
