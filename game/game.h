// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game: deal, placement, undo, end, and the choice of game kind.
#pragma once

#include "game_state.h"
#include "position.h"
#include "random.h"
#include "table_requests.h"

namespace marnelok {

// The rules of one table. They change only their own state and tell the window what to
// redraw through TableRequests; the window owns the random source and lends it for the
// whole life of the game.
class Game {
 public:
  Game(TableRequests& requests, RandomSource& random) : requests_(&requests), random_(&random) {}

  const GameState& state() const { return state_; }
  // What the player sees: the grid, the current card and the cards not yet seen.
  Position VisiblePosition() const { return marnelok::VisiblePosition(state_); }

  // The state before the first game: no game active, no Top 5 panel, every cell void but the
  // deck, scores cleared. The game kind is left as it is.
  void InitState();
  // The kind of the next deal.
  void SetKind(GameKind kind) { state_.kind = kind; }
  // Whether the window's Top 5 panel covers the board.

  void NewGame();  // abandons any game in progress and deals a new one
  // The same, dealing game number `dealNumber`: the generator is seeded with it first, so the
  // deal is the one that number named whenever it was dealt. Later deals go on from there.
  void NewGame(std::uint32_t dealNumber);
  // Places the current card at board column (2 to 6) and row (1 to 5). Any other cell is
  // ignored; a cell that holds a card only beeps.
  void PlaceCard(int column, int row);
  // Whether PlaceCard(column, row) would place the card: an empty cell of the grid.
  bool CanPlaceAt(int column, int row) const;
  void Undo();  // takes back the player's last placement, if there is one

 private:
  void DealCards();
  // Brings the next card; after the 25th placement it ends the game. False when the end of
  // the game stopped the event early (the Top 5 list could not be saved).
  bool DrawNextCard();
  bool EndGame();
  void ScoreLines();  // rescore all ten lines, then redraw the panel text

  TableRequests* requests_;
  RandomSource* random_;
  GameState state_;
};

}  // namespace marnelok
