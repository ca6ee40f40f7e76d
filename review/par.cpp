// SPDX-License-Identifier: GPL-3.0-or-later
// The advisor's own game on a deal.
#include "par.h"

#include "game.h"
#include "review_advice.h"

namespace marnelok {

std::optional<int> PlayPar(const ParDeal& deal, std::stop_token stop) {
  NullTableRequests requests;
  RandomSource random(deal.deal);
  Game game(requests, random);
  game.SetKind(deal.kind);
  game.NewGame(deal.deal);
  for (int placed = 0; placed < kCardsPerGame && game.state().gameActive; ++placed) {
    const Position position = game.VisiblePosition();
    if (!position.HasCurrentCard()) break;
    const Advice advice = ReviewAdvice(position, stop);
    if (stop.stop_requested() || advice.cell < 0) return std::nullopt;
    game.PlaceCard(GridColumnOf(advice.cell), GridRowOf(advice.cell));
  }
  if (game.state().gameActive) return std::nullopt;
  return game.state().totalScore;
}

}  // namespace marnelok
