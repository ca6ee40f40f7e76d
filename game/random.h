// The one program-wide random source: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace marnelok {

// Seeds the generator from a clock that changes between runs. Called once at start-up.
void SeedRandom();

// A uniform integer from 0 to n - 1, for n >= 1 (0 for n <= 0).
int RandomBelow(int n);

// The raw seed, for tests and reproducible deals.
std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);

}  // namespace marnelok
