// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of the grid: completeness and scoring.
#include "board.h"

#include "hand.h"

namespace marnelok {

bool ColumnComplete(const GameState& s, int column) {
  for (int r = 1; r <= kBoardRows; ++r)
    if (s.board[column][r] >= kEmptySlotCode) return false;
  return true;
}

bool RowComplete(const GameState& s, int row) {
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    if (s.board[c][row] >= kEmptySlotCode) return false;
  return true;
}

void ComputeLineResults(GameState& s) {
  const auto& b = s.board;
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c) {
    s.lineResults[c].column = 0;
    if (ColumnComplete(s, c))
      s.lineResults[c].column = EvaluateHand(b[c][1], b[c][2], b[c][3], b[c][4], b[c][5]);
  }
  for (int r = 1; r <= kBoardRows; ++r) {
    s.lineResults[r].row = 0;
    if (RowComplete(s, r))
      s.lineResults[r].row = EvaluateHand(b[2][r], b[3][r], b[4][r], b[5][r], b[6][r]);
  }
  int total = 0;
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    total += kHandTable[s.lineResults[c].column].points;
  for (int r = 1; r <= kBoardRows; ++r) total += kHandTable[s.lineResults[r].row].points;
  s.totalScore = total;
}

void ResetScores(GameState& s) {
  s.lineResults.fill(LineResult{});
  s.totalScore = 0;
}

void ClearBoard(GameState& s) {
  for (auto& column : s.board) column.fill(kVoidCode);
  s.deckSlot() = kDeckCode;
}

}  // namespace marnelok
