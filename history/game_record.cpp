// SPDX-License-Identifier: GPL-3.0-or-later
// Making the history's record of the game on the table.
#include "game_record.h"

#include "board.h"
#include "position.h"

namespace marnelok::history {

bool GameWorthKeeping(const GameState& s) {
  return s.dealCount > 0 && s.cardsPlaced > s.cardsThrown;
}

GameRecord RecordOfGame(const GameState& s) {
  GameRecord game;
  game.deal = s.dealNumber;
  // The kind the game was dealt in. The state's kind is the kind of the next deal, which a
  // change of kind sets while the game it leaves is still on the table; but the throw-down
  // always throws at least one card.
  game.kind = s.cardsThrown == 0 ? GameKind::kRegular : GameKind::kThrowDown;
  game.finished = s.cardsPlaced == kCardsPerGame;

  GameState scored = s;  // the rules score only at certain moments; the record scores now
  ComputeLineResults(scored);
  game.total = scored.totalScore;
  for (int k = 1; k <= kGridSize; ++k) {
    const int column = kFirstGridColumn + k - 1;
    game.hands[static_cast<std::size_t>(k - 1)] =
        RowComplete(s, k) ? scored.lineResults[k].row : kNoHand;
    game.hands[static_cast<std::size_t>(kGridSize + k - 1)] =
        ColumnComplete(s, column) ? scored.lineResults[column].column : kNoHand;
  }

  // The cards reach the grid in deck order, and an undo puts its card back on the deck, so the
  // first cardsPlaced cards of the deck are exactly the ones on the grid.
  for (int turn = 1; turn <= s.cardsPlaced; ++turn) {
    const int card = s.deck[static_cast<std::size_t>(turn)];
    for (int cell = 0; cell < kGridCells; ++cell) {
      if (s.board[GridColumnOf(cell)][GridRowOf(cell)] != card) continue;
      game.placements.push_back({turn, card, cell, turn <= s.cardsThrown, std::nullopt});
      break;
    }
  }
  return game;
}

}  // namespace marnelok::history
