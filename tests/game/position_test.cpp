// SPDX-License-Identifier: GPL-3.0-or-later
// The position the player sees: cell numbering, the unseen cards, and positions taken from
// games in their different states.
#include "position.h"

#include <gtest/gtest.h>

#include <bit>

#include "game.h"

namespace marnelok {
namespace {

TEST(Position, CellsAreNumberedInRowsOfFiveTopRowFirst) {
  std::array<bool, kGridCells> seen{};
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    for (int r = 1; r <= kBoardRows; ++r) {
      const int cell = GridCell(c, r);
      ASSERT_GE(cell, 0);
      ASSERT_LT(cell, kGridCells);
      EXPECT_FALSE(seen[cell]) << c << "," << r;
      seen[cell] = true;
      EXPECT_EQ(GridColumnOf(cell), c);
      EXPECT_EQ(GridRowOf(cell), r);
    }
  EXPECT_EQ(GridCell(2, 1), 0);
  EXPECT_EQ(GridCell(6, 1), 4);
  EXPECT_EQ(GridCell(2, 2), 5);
  EXPECT_EQ(GridCell(6, 5), 24);

  EXPECT_EQ(std::popcount(kAllCards), kCardsInDeck);
  std::uint64_t all = 0;
  for (int code = kFirstCard; code <= kLastCard; ++code) {
    EXPECT_EQ(all & CardBit(code), 0u) << code;
    all |= CardBit(code);
  }
  EXPECT_EQ(all, kAllCards);
}

TEST(Position, MadeFromTheVisibleCardsAlone) {
  std::array<int, kGridCells> cells;
  cells.fill(kEmptySlotCode);
  const Position empty = MakePosition(cells, kBlankCode);
  EXPECT_EQ(empty.unseen, kAllCards);
  EXPECT_FALSE(empty.HasCurrentCard());
  EXPECT_EQ(empty.EmptyCells(), 25);

  cells[GridCell(2, 1)] = 1;
  cells[GridCell(6, 5)] = 52;
  const Position p = MakePosition(cells, 13);
  EXPECT_TRUE(p.HasCurrentCard());
  EXPECT_EQ(p.EmptyCells(), 23);
  EXPECT_EQ(p.unseen, kAllCards & ~(CardBit(1) | CardBit(52) | CardBit(13)));
  EXPECT_NE(p, empty);
}

TEST(Position, FollowsAGameFromStartToEnd) {
  NullTableRequests requests;
  RandomSource random(0);
  Game game(requests, random);
  game.InitState();
  // Before the first game the cells are void and the current card is no card at all.
  Position p = game.VisiblePosition();
  EXPECT_EQ(p.EmptyCells(), 25);
  EXPECT_FALSE(p.HasCurrentCard());
  EXPECT_EQ(p.unseen, kAllCards);

  // The throw-down of seed 0: five cards on the grid and card 30 to place.
  game.NewGame();
  p = game.VisiblePosition();
  EXPECT_EQ(p.cells[GridCell(3, 1)], 31);
  EXPECT_EQ(p.cells[GridCell(5, 5)], 6);
  EXPECT_EQ(p.cells[GridCell(2, 1)], 51);
  EXPECT_EQ(p.cells[GridCell(6, 3)], 16);
  EXPECT_EQ(p.cells[GridCell(4, 3)], 2);
  EXPECT_EQ(p.currentCard, 30);
  EXPECT_EQ(p.EmptyCells(), 20);
  EXPECT_EQ(std::popcount(p.unseen), 46);
  for (int code : {31, 6, 51, 16, 2, 30}) EXPECT_EQ(p.unseen & CardBit(code), 0u) << code;
  // The deck's order stays hidden: the next card is as unseen as any other.
  EXPECT_NE(p.unseen & CardBit(game.state().deck[7]), 0u);
  EXPECT_EQ(p, MakePosition(p.cells, p.currentCard));

  // Every placement moves one card from unseen to the grid, until the grid is full.
  while (game.state().gameActive) {
    const int cell = [&] {
      for (int k = 0; k < kGridCells; ++k)
        if (p.cells[k] == kEmptySlotCode) return k;
      return -1;
    }();
    ASSERT_GE(cell, 0);
    game.PlaceCard(GridColumnOf(cell), GridRowOf(cell));
    const Position next = game.VisiblePosition();
    EXPECT_EQ(next.cells[cell], p.currentCard);
    EXPECT_EQ(next.EmptyCells(), p.EmptyCells() - 1);
    if (next.HasCurrentCard()) {
      EXPECT_EQ(next.unseen, p.unseen & ~CardBit(next.currentCard));
    }
    p = next;
  }
  EXPECT_FALSE(p.HasCurrentCard());
  EXPECT_EQ(p.EmptyCells(), 0);
  EXPECT_EQ(std::popcount(p.unseen), kCardsInDeck - 25);
}

}  // namespace
}  // namespace marnelok
