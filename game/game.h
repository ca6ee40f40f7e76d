// The course of a game: deal, placement, undo, end, and the choice of game kind.
#pragma once

#include "game_state.h"
#include "geometry.h"
#include "table_requests.h"

namespace marnelok {

class Game {
 public:
  explicit Game(TableRequests& requests) : requests_(&requests) {}

  GameState& state() { return state_; }
  const GameState& state() const { return state_; }
  TableGeometry& geometry() { return geometry_; }
  const TableGeometry& geometry() const { return geometry_; }

  // The state before the first game: no game active, every cell void but the deck,
  // scores cleared. regularGame is set by the caller from the stored options.
  void InitState();

  void NewGame();   // abandons any game in progress and deals a new one
  void DealCards(); // the deal, regular or with a few cards thrown down first
  void DrawNextCard();
  void PlaceCard(int x, int y);  // a left-button release at pixel (x, y)
  void EndGame();
  void ScoreLines();  // rescore all ten lines, then redraw the panel text

  void MenuGameUndoItemClick();
  void MenuOptionsPlayRegGameItemClick();
  void MenuOptionsHarderGameItemClick();

 private:
  TableRequests* requests_;
  GameState state_;
  TableGeometry geometry_ = kRegularCards;
};

}  // namespace marnelok
