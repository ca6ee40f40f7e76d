// The program-wide linear congruential random source.
#include "random.h"

#include <chrono>

namespace marnelok {
namespace {
std::uint32_t g_seed = 0;
}

void SeedRandom() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  g_seed = static_cast<std::uint32_t>(ticks);
}

int RandomBelow(int n) {
  g_seed = g_seed * 134775813u + 1u;  // wraps modulo 2^32
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(g_seed) * static_cast<std::uint64_t>(n)) >> 32);
}

std::uint32_t RandomSeed() { return g_seed; }
void SetRandomSeed(std::uint32_t seed) { g_seed = seed; }

}  // namespace marnelok
