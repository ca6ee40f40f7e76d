// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the table: the deck, the board of 6 x 5 cells and the scores.
#pragma once

#include <array>
#include <cstdint>

#include "cards.h"
#include "game_kind.h"

namespace marnelok {

inline constexpr int kBoardColumns = 6;  // column 1 is the stock column, 2 to 6 the grid
inline constexpr int kBoardRows = 5;
inline constexpr int kFirstGridColumn = 2;
inline constexpr int kCardsPerGame = 25;
inline constexpr int kWinningScore = 150;

// Hand classes of one grid column and one grid row. Entry c holds the class of board
// column c (2 to 6) and of row c (1 to 5); column[1] and row[6] belong to no line.
struct LineResult {
  int column = 0;
  int row = 0;
};

// Card codes in dealing order, deck[1] first; index 0 is unused.
using Deck = std::array<int, kCardsInDeck + 1>;

struct GameState {
  // Arrays are indexed from 1 like the table they describe; index 0 is unused.
  Deck deck{};
  int drawIndex = 0;
  int cardsPlaced = 0;
  // The deal's number: the generator's state just before the shuffle. Seeding the generator
  // with it and dealing again gives the same game.
  std::uint32_t dealNumber = 0;
  int cardsThrown = 0;  // the throw-down's cards: deck[1] to deck[cardsThrown]

  std::array<std::array<int, kBoardRows + 1>, kBoardColumns + 1> board{};  // [column][row]
  std::array<LineResult, kBoardColumns + 1> lineResults{};
  int totalScore = 0;

  bool gameActive = false;
  GameKind kind = GameKind::kThrowDown;  // of the next deal
  int lastMoveCol = 0;
  int lastMoveRow = 0;
  int dealCount = 0;

  int& deckSlot() { return board[1][1]; }
  int deckSlot() const { return board[1][1]; }
  int& currentCard() { return board[1][4]; }
  int currentCard() const { return board[1][4]; }
};

}  // namespace marnelok
