// SPDX-License-Identifier: GPL-3.0-or-later
// A position as the player sees it.
#include "position.h"

namespace marnelok {

int Position::EmptyCells() const {
  int empty = 0;
  for (int code : cells) empty += code == kEmptySlotCode ? 1 : 0;
  return empty;
}

Position MakePosition(const std::array<int, kGridCells>& cells, int currentCard) {
  Position p;
  p.cells = cells;
  p.currentCard = currentCard;
  p.unseen = kAllCards;
  for (int code : cells)
    if (IsCard(code)) p.unseen &= ~CardBit(code);
  if (IsCard(currentCard)) p.unseen &= ~CardBit(currentCard);
  return p;
}

Position VisiblePosition(const GameState& s) {
  std::array<int, kGridCells> cells{};
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    for (int r = 1; r <= kBoardRows; ++r) {
      const int code = s.board[c][r];
      cells[GridCell(c, r)] = IsCard(code) ? code : kEmptySlotCode;
    }
  return MakePosition(cells, s.currentCard());
}

}  // namespace marnelok
