// SPDX-License-Identifier: GPL-3.0-or-later
// Line completeness, scoring and the win rule.
#include "board.h"

#include <gtest/gtest.h>

#include "hand.h"

namespace marnelok {
namespace {

constexpr int Card(int rank, int suit) { return (suit - 1) * 13 + (rank == 1 ? 13 : rank - 1); }

GameState EmptyGrid() {
  GameState s;
  ClearBoard(s);
  for (int c = 2; c <= 6; ++c)
    for (int r = 1; r <= 5; ++r) s.board[c][r] = kEmptySlotCode;
  return s;
}

TEST(Board, OnlyCompleteLinesScoreAndTheStockColumnNeverCounts) {
  GameState s = EmptyGrid();
  s.currentCard() = Card(5, 1);  // a card in the stock column makes no row complete
  ComputeLineResults(s);
  EXPECT_EQ(s.totalScore, 0);

  // Column 3 (grid column 2): four hearts to the five plus the six: a straight flush.
  for (int r = 1; r <= 5; ++r) s.board[3][r] = Card(r + 1, 1);
  // Row 2 misses one card, so it stays at None even with four of a kind in it.
  s.board[2][2] = Card(9, 2);
  s.board[4][2] = Card(9, 3);
  s.board[5][2] = Card(9, 4);
  ComputeLineResults(s);
  EXPECT_EQ(s.lineResults[3].column, kStraightFlush);
  EXPECT_EQ(s.lineResults[2].row, kNone);
  EXPECT_EQ(s.totalScore, 75);
  EXPECT_TRUE(ColumnComplete(s, 3));
  EXPECT_FALSE(RowComplete(s, 2));

  s.board[6][2] = Card(9, 1);  // now four nines and the three of hearts
  ComputeLineResults(s);
  EXPECT_TRUE(RowComplete(s, 2));
  EXPECT_EQ(s.lineResults[2].row, kFourOfAKind);
  EXPECT_EQ(s.totalScore, 125);
  EXPECT_EQ(s.lineResults[1].column, 0);
  EXPECT_EQ(s.lineResults[6].row, 0);

  s.board[6][2] = kEmptySlotCode;  // taking the card away returns the row to 0
  ComputeLineResults(s);
  EXPECT_EQ(s.lineResults[2].row, kNone);
  EXPECT_EQ(s.totalScore, 75);
}

TEST(Board, FullGridAddsAllTenLines) {
  // Columns 2 to 5 hold 2, 4, 6, 8, 10 of one suit each (four flushes, 80 points); each
  // row holds four of a kind plus an odd card from column 6 (five times 50); column 6 holds
  // 3, 5, 7, 9, J of mixed suits (nothing). 330 in all.
  GameState s = EmptyGrid();
  const int ranks[] = {2, 4, 6, 8, 10};
  const int odd[][2] = {{3, 1}, {5, 2}, {7, 3}, {9, 4}, {11, 1}};
  for (int r = 1; r <= 5; ++r) {
    for (int c = 2; c <= 5; ++c) s.board[c][r] = Card(ranks[r - 1], c - 1);
    s.board[6][r] = Card(odd[r - 1][0], odd[r - 1][1]);
  }
  ComputeLineResults(s);
  for (int c = 2; c <= 5; ++c) EXPECT_EQ(s.lineResults[c].column, kFlush) << c;
  EXPECT_EQ(s.lineResults[6].column, kNone);
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(s.lineResults[r].row, kFourOfAKind) << r;
  EXPECT_EQ(s.totalScore, 330);

  EXPECT_TRUE(IsWin(150));
  EXPECT_FALSE(IsWin(149));
}

}  // namespace
}  // namespace marnelok
