// SPDX-License-Identifier: GPL-3.0-or-later
// The review's chart: the expected final total after each placement, with best play from
// there on, beside what the best placement would have kept, so that the slips show as gaps.
#pragma once

#include <cstddef>
#include <vector>

#include "chart_view.h"
#include "game_record.h"

namespace marnelok {

// Points at each judged placement's turn; the costliest placements (indices into the game's
// placements) are marked on the line as played.
Chart* MakeReviewChart(const history::GameRecord& game, const std::vector<std::size_t>& costliest);

}  // namespace marnelok
