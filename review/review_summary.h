// SPDX-License-Identifier: GPL-3.0-or-later
// What a reviewed game adds up to: the points each placement lost, their sum, the share of
// placements close to the best, and the costliest ones.
#pragma once

#include <cstddef>
#include <vector>

#include "game_record.h"

namespace marnelok {

// A placement that loses less than this against the best one counts as the best.
inline constexpr double kCloseToBest = 0.5;
inline constexpr std::size_t kCostliestShown = 3;

// Best minus chosen, never below 0, and 0 below half a point.
double PointsLost(const history::PlacementReview& review);

struct ReviewSummary {
  int judged = 0;         // placements with a verdict
  double pointsLost = 0;  // the sum of PointsLost over them
  int closeToBest = 0;    // those that lost 0
  // Up to three placements that lost points, as indices into the game's placements, the
  // costliest first; among equal losses the earlier placement first.
  std::vector<std::size_t> costliest;

  double ShareCloseToBest() const { return judged > 0 ? double(closeToBest) / judged : 0.0; }
};

ReviewSummary Summarise(const history::GameRecord& game);

}  // namespace marnelok
