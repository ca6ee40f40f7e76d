// SPDX-License-Identifier: GPL-3.0-or-later
// The move advisor: the empty cell where the current card gives the highest expected final
// total, judged only from what the player sees.
//
// Usage, e.g. on a worker thread with a copy of the position:
//   AdvisorBudget budget;
//   budget.timeLimit = std::chrono::milliseconds(100);
//   Advice advice = AdviseMove(VisiblePosition(state), seed, budget, stopSource.get_token());
//   if (advice.cell >= 0) highlight(GridColumnOf(advice.cell), GridRowOf(advice.cell));
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <stop_token>

#include "position.h"

namespace marnelok {

struct AdvisorBudget {
  // An upper bound: the advisor stops at it, or earlier once its search is done.
  std::chrono::milliseconds timeLimit{100};
  // Games simulated to the end after the look-ahead, to separate the closest cells. A count
  // with a generous time limit makes the advice reproducible; 0 looks ahead only.
  int simulatedGames = 2000;
  // Placements looked ahead, 1 (the table alone) to 4; deeper levels run while time allows.
  int searchDepth = 3;
  // Points that a winning total is worth on top of itself. 0 maximises the expected total;
  // above 0 the advisor takes some risk for a better chance of a win.
  double winWeight = 0;
};

struct Advice {
  int cell = -1;  // GridCell index of the best empty cell; -1 without an empty cell or a card
  // Expected final total for each empty cell (cells outside the deepest look-ahead are
  // estimated from a shallower one), plus the win weight times the chance of a win; -1 for
  // occupied cells.
  std::array<double, kGridCells> expectedTotal{};
  int depthSearched = 0;   // the deepest look-ahead that finished
  int simulatedGames = 0;  // games actually simulated
  bool stopped = false;    // the time limit or a stop request cut the search short
};

// Advice for the position's current card. Reads nothing but the position (its grid, its
// current card and its unseen cards, whose order it never knows) and draws its random numbers
// from its own generator seeded with seed, so asking never changes a deal. Safe to run on any
// thread; returns within a few milliseconds of a stop request, with the best advice so far.
Advice AdviseMove(const Position& position, std::uint64_t seed, const AdvisorBudget& budget,
                  std::stop_token stop = {});

}  // namespace marnelok
