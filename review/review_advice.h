// SPDX-License-Identifier: GPL-3.0-or-later
// The advice of the review and of the demo: a budget that is a count, not a time, and a seed
// taken from the position itself, so that a position gets the same advice on every run and
// every machine, and a game that the demo played loses nothing when it is reviewed.
#pragma once

#include <cstdint>
#include <stop_token>

#include "advisor.h"
#include "position.h"

namespace marnelok {

// A look-ahead of three placements and 2,000 simulated games, with a time limit so long that
// it never ends a search: what the Hint asks for, unhurried.
AdvisorBudget ReviewBudget();

// A hash of the grid, the current card and the unseen cards.
std::uint64_t PositionSeed(const Position& position);

// AdviseMove with the review's budget and the position's own seed.
Advice ReviewAdvice(const Position& position, std::stop_token stop = {});

}  // namespace marnelok
