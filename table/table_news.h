// SPDX-License-Identifier: GPL-3.0-or-later
// What a player who listens is told after each change of the game: the card placed and the
// next one, a completed line and the new total, a card taken back, a new deal, the game's end.
#pragma once

#include <QString>
#include <array>

#include "game_state.h"

namespace marnelok {

// Keeps the last game it was shown and words the difference to the next one. A change it
// cannot tell as one step (a snapshot missed while nothing listened) yields nothing.
class TableNews {
 public:
  QString Since(const GameState& now);

 private:
  using Grid = std::array<std::array<int, kBoardRows + 1>, kBoardColumns + 1>;
  QString Placed(const GameState& now) const;
  QString TakenBack(const GameState& now) const;

  Grid board_{};
  int cardsPlaced_ = 0;
  int dealCount_ = 0;
  bool gameActive_ = false;
};

}  // namespace marnelok
