// SPDX-License-Identifier: GPL-3.0-or-later
// The review's budget and seed rule.
#include "review_advice.h"

#include "advisor_board.h"

namespace marnelok {

AdvisorBudget ReviewBudget() {
  AdvisorBudget budget;
  budget.timeLimit = std::chrono::minutes(10);
  budget.simulatedGames = 2000;
  budget.searchDepth = 3;
  budget.winWeight = 0;
  return budget;
}

std::uint64_t PositionSeed(const Position& position) {
  std::uint64_t hash = 0x6d61726e656c6f6bull;
  const auto mix = [&hash](std::uint64_t value) {
    hash = advisor::SplitMix64(hash ^ value).Next();
  };
  for (int code : position.cells) mix(static_cast<std::uint64_t>(code));
  mix(static_cast<std::uint64_t>(position.currentCard));
  mix(position.unseen);
  return hash;
}

Advice ReviewAdvice(const Position& position, std::stop_token stop) {
  return AdviseMove(position, PositionSeed(position), ReviewBudget(), std::move(stop));
}

}  // namespace marnelok
