// SPDX-License-Identifier: GPL-3.0-or-later
// Judging the placements of a kept game: the position the player saw before each one, and the
// advisor's verdict on where the card went.
#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <vector>

#include "game_record.h"
#include "position.h"

namespace marnelok {

// The grid and the current card before placement `index` of the game: the cards placed before
// it, in their cells, and its own card waiting. Nullopt when the record contradicts itself up to
// there (a card outside 1 to 52 or seen twice, a cell outside the grid or filled twice), as only
// a damaged or hand-edited file can.
std::optional<Position> PositionBefore(const history::GameRecord& game, std::size_t index);

// One placement to judge.
struct JudgeTask {
  std::size_t index = 0;  // in the game's placements
  Position before;
  int chosenCell = 0;  // where the card went
};

// The player's placements that have no review yet; thrown cards are never judged.
std::vector<JudgeTask> TasksToJudge(const history::GameRecord& game);

// The verdict on one placement, from the review's advice; nullopt once stopped.
std::optional<history::PlacementReview> Judge(const JudgeTask& task, std::stop_token stop = {});

}  // namespace marnelok
