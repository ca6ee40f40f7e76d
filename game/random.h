// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random source: a 32-bit linear congruential generator held as a value.
#pragma once

#include <cstdint>

namespace marnelok {

// The window owns one of these for the whole program, seeds it once at start-up and lends it
// to the rules. Everything random (the shuffle, the throw-down) is a function of it alone. A
// copy goes on with the same sequence independently, so a caller can play ahead on its own
// copy without changing the program's deals.
class RandomSource {
 public:
  constexpr explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

  // Seeds the generator from a clock that changes between runs.
  void SeedRandom();
  // A uniform integer from 0 to n - 1, for n >= 1 (0 for n <= 0).
  int RandomBelow(int n);
  // The generator's state: a deal's number is the state just before its shuffle.
  constexpr std::uint32_t State() const { return seed_; }

  friend bool operator==(const RandomSource&, const RandomSource&) = default;

 private:
  std::uint32_t seed_;
};

}  // namespace marnelok
