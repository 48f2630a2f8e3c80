#pragma once

// The flakes' 15-bit linear congruential generator. It is the generator behind the Windows C
// runtime's rand(); carrying our own keeps a seeded batch identical on every platform and in tests.
void SeedRandom(unsigned int seed);

// Next value, 0 to 32767.
int Random();
