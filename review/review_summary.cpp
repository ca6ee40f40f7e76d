// SPDX-License-Identifier: GPL-3.0-or-later
// Adding up a reviewed game.
#include "review_summary.h"

#include <algorithm>

namespace marnelok {

double PointsLost(const history::PlacementReview& review) {
  const double lost = review.expectedBest - review.expectedChosen;
  return lost < kCloseToBest ? 0.0 : lost;
}

ReviewSummary Summarise(const history::GameRecord& game) {
  ReviewSummary s;
  std::vector<std::size_t> losing;
  for (std::size_t k = 0; k < game.placements.size(); ++k) {
    const auto& review = game.placements[k].review;
    if (!review) continue;
    ++s.judged;
    const double lost = PointsLost(*review);
    s.pointsLost += lost;
    if (lost == 0)
      ++s.closeToBest;
    else
      losing.push_back(k);
  }
  const auto lostAt = [&game](std::size_t k) { return PointsLost(*game.placements[k].review); };
  std::stable_sort(losing.begin(), losing.end(),
                   [&](std::size_t a, std::size_t b) { return lostAt(a) > lostAt(b); });
  if (losing.size() > kCostliestShown) losing.resize(kCostliestShown);
  s.costliest = std::move(losing);
  return s;
}

}  // namespace marnelok
