// SPDX-License-Identifier: GPL-3.0-or-later
// A position as the player sees it: the grid, the current card and the cards not yet seen.
#pragma once

#include <array>
#include <cstdint>

#include "cards.h"
#include "game_state.h"

namespace marnelok {

inline constexpr int kGridSize = 5;
inline constexpr int kGridCells = kGridSize * kGridSize;

// Cell index of board column c (2 to 6) and row r (1 to 5): rows of five, top row first.
constexpr int GridCell(int column, int row) {
  return (row - 1) * kGridSize + (column - kFirstGridColumn);
}
constexpr int GridColumnOf(int cell) { return cell % kGridSize + kFirstGridColumn; }
constexpr int GridRowOf(int cell) { return cell / kGridSize + 1; }

// Bit (code - 1) stands for the card with that code.
constexpr std::uint64_t CardBit(int code) { return std::uint64_t{1} << (code - 1); }
inline constexpr std::uint64_t kAllCards = (std::uint64_t{1} << kCardsInDeck) - 1;

// What the player can see, and nothing more: the deck's order is not part of it.
struct Position {
  std::array<int, kGridCells> cells{};  // a card code, or kEmptySlotCode for an empty cell
  int currentCard = kBlankCode;         // a card code while one waits to be placed
  std::uint64_t unseen = kAllCards;     // every card neither on the grid nor current

  bool HasCurrentCard() const { return IsCard(currentCard); }
  int EmptyCells() const;

  friend bool operator==(const Position&, const Position&) = default;
};

// The position from the player's side of the table; unseen follows from the visible cards.
Position VisiblePosition(const GameState& s);

// A position from its visible cards alone (unseen is computed), for tests and tools.
Position MakePosition(const std::array<int, kGridCells>& cells, int currentCard);

}  // namespace marnelok
