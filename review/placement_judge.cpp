// SPDX-License-Identifier: GPL-3.0-or-later
// Judging the placements of a kept game.
#include "placement_judge.h"

#include "review_advice.h"

namespace marnelok {

std::optional<Position> PositionBefore(const history::GameRecord& game, std::size_t index) {
  if (index >= game.placements.size()) return std::nullopt;
  std::array<int, kGridCells> cells{};
  cells.fill(kEmptySlotCode);
  std::uint64_t seen = 0;
  for (std::size_t k = 0; k <= index; ++k) {
    const history::PlacementRecord& p = game.placements[k];
    if (!IsCard(p.card) || (seen & CardBit(p.card)) != 0 || p.cell < 0 || p.cell >= kGridCells ||
        cells[static_cast<std::size_t>(p.cell)] != kEmptySlotCode)
      return std::nullopt;
    seen |= CardBit(p.card);
    if (k < index) cells[static_cast<std::size_t>(p.cell)] = p.card;
  }
  return MakePosition(cells, game.placements[index].card);
}

std::vector<JudgeTask> TasksToJudge(const history::GameRecord& game) {
  std::vector<JudgeTask> tasks;
  for (std::size_t k = 0; k < game.placements.size(); ++k) {
    const history::PlacementRecord& p = game.placements[k];
    const std::optional<Position> before = PositionBefore(game, k);
    if (!before) break;  // nothing after a contradiction can be judged either
    if (!p.thrown && !p.review) tasks.push_back({k, *before, p.cell});
  }
  return tasks;
}

std::optional<history::PlacementReview> Judge(const JudgeTask& task, std::stop_token stop) {
  const Advice advice = ReviewAdvice(task.before, stop);
  if (advice.cell < 0 || stop.stop_requested()) return std::nullopt;
  return history::PlacementReview{advice.cell, advice.expectedTotal[task.chosenCell],
                                  advice.expectedTotal[advice.cell]};
}

}  // namespace marnelok
