// SPDX-License-Identifier: GPL-3.0-or-later
// The program's linear congruential random source.
#include "random.h"

#include <chrono>

namespace marnelok {

void RandomSource::SeedRandom() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  seed_ = static_cast<std::uint32_t>(ticks);
}

int RandomSource::RandomBelow(int n) {
  seed_ = seed_ * 134775813u + 1u;  // wraps modulo 2^32
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint64_t>(n)) >>
                          32);
}

}  // namespace marnelok
