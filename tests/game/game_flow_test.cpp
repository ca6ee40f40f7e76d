// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game, played through a recording stand-in for the table window.
#include <gtest/gtest.h>

#include "board.h"
#include "deal_number.h"
#include "game.h"
#include "geometry.h"
#include "hand.h"
#include "recording_requests.h"

namespace marnelok {
namespace {

using testing::RecordingRequests;

class GameFlow : public ::testing::Test {
 protected:
  void SetUp() override { req.game = &game.state(); }
  void Deal(bool regular, std::uint32_t seed = 7) {
    game.InitState();
    game.SetRegularGame(regular);
    random = RandomSource(seed);
    game.NewGame();
    req.calls.clear();
  }
  void PlaceAt(int c, int r) { game.PlaceCard(c, r); }
  // Fills the grid in reading order; only the requests of the 25th placement are kept.
  void PlayInReadingOrder() {
    int placed = 0;
    for (int r = 1; r <= 5; ++r)
      for (int c = 2; c <= 6; ++c) {
        if (++placed == 25) req.calls.clear();
        const int card = s().currentCard();
        PlaceAt(c, r);
        ASSERT_EQ(s().board[c][r], card);
      }
  }
  int EmptyCells() const {
    int n = 0;
    for (int c = 2; c <= 6; ++c)
      for (int r = 1; r <= 5; ++r) n += s().board[c][r] == kEmptySlotCode;
    return n;
  }
  const GameState& s() const { return game.state(); }

  RecordingRequests req;
  RandomSource random;
  Game game{req, random};
};

TEST_F(GameFlow, RegularDealAndItsRequests) {
  game.InitState();
  game.SetRegularGame(true);
  random = RandomSource(0);
  game.NewGame();
  EXPECT_TRUE(s().gameActive);
  EXPECT_EQ(s().cardsPlaced, 0);
  EXPECT_EQ(s().drawIndex, 2);
  EXPECT_EQ(s().dealCount, 1);
  EXPECT_EQ(s().currentCard(), s().deck[1]);
  EXPECT_EQ(s().currentCard(), 31);
  EXPECT_EQ(s().deckSlot(), kDeckCode);
  EXPECT_EQ(EmptyCells(), 25);
  for (int r : {2, 3, 5}) EXPECT_EQ(s().board[1][r], kVoidCode);
  // The game is active before the first panel is drawn, so that neither ends with a banner.
  const std::vector<std::string> expected{"panel", "panel", "cell 31 1,4", "undo off",
                                          "invalidate"};
  EXPECT_EQ(req.calls, expected);
}

TEST_F(GameFlow, ThrowDownFromKnownSeeds) {
  struct Thrown {
    int column, row, card;
  };
  const struct {
    std::uint32_t seed;
    std::vector<Thrown> cards;
    int current, drawIndex;
  } deals[] = {
      // Five attempts, all landing.
      {0, {{3, 1, 31}, {5, 5, 6}, {2, 1, 51}, {6, 3, 16}, {4, 3, 2}}, 30, 7},
      // Five attempts; the fifth hits (3, 2) again and is lost, with no other cell tried.
      {4, {{6, 1, 44}, {3, 2, 25}, {4, 2, 27}, {5, 1, 14}}, 45, 6},
  };
  for (const auto& d : deals) {
    Deal(false, d.seed);
    EXPECT_EQ(s().lastMoveCol, 0);
    EXPECT_EQ(s().totalScore, 0);  // nothing is scored after a throw-down
    game.Undo();                   // and a thrown card cannot be taken back
    for (const Thrown& t : d.cards) EXPECT_EQ(s().board[t.column][t.row], t.card) << d.seed;
    const int thrown = static_cast<int>(d.cards.size());
    EXPECT_EQ(EmptyCells(), 25 - thrown) << d.seed;
    EXPECT_EQ(s().cardsPlaced, thrown) << d.seed;
    EXPECT_EQ(s().currentCard(), d.current) << d.seed;
    EXPECT_EQ(s().drawIndex, d.drawIndex) << d.seed;
  }
}

TEST_F(GameFlow, ThrowDownAlwaysLandsOneToFiveCardsOnTheGrid) {
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    Deal(false, seed);
    const int thrown = 25 - EmptyCells();
    ASSERT_GE(thrown, 1) << seed;
    ASSERT_LE(thrown, 5) << seed;
    ASSERT_EQ(s().cardsPlaced, thrown) << seed;
    ASSERT_EQ(s().drawIndex, thrown + 2) << seed;
    for (int r : {2, 3, 5}) ASSERT_EQ(s().board[1][r], kVoidCode) << seed;
    ASSERT_TRUE(IsCard(s().currentCard())) << seed;
  }
}

TEST_F(GameFlow, PlacementZonesForBothCardSizes) {
  struct Zone {
    TableGeometry g;
    int x, y, column, row;
  };  // column 0: nothing placed
  const Zone zones[] = {
      {kRegularCards, 9, 50, 0, 0},   // left of every zone
      {kRegularCards, 50, 50, 0, 0},  // the stock column never takes a card
      {kRegularCards, 84, 50, 0, 0},  // last pixel of column 1's zone
      {kRegularCards, 85, 50, 2, 1},  // the 4-pixel gap left of a card belongs to it
      {kRegularCards, 159, 50, 2, 1},
      {kRegularCards, 160, 50, 3, 1},
      {kRegularCards, 459, 50, 6, 1},
      {kRegularCards, 460, 50, 0, 0},  // right of the grid
      {kRegularCards, 100, 0, 2, 1},   // y 0 to 9 still maps to row 1
      {kRegularCards, 100, 5, 2, 1},
      {kRegularCards, 100, 93, 2, 1},  // the top 6 pixels of row 2's card belong to row 1
      {kRegularCards, 100, 94, 2, 2},
      {kRegularCards, 100, 429, 2, 5},
      {kRegularCards, 100, 430, 0, 0},
      {kRegularCards, -200, -200, 0, 0},
      {kLargeCards, 95, 50, 0, 0},
      {kLargeCards, 96, 50, 2, 1},
      {kLargeCards, 182, 50, 3, 1},
      {kLargeCards, 100, 119, 2, 1},
      {kLargeCards, 100, 120, 2, 2},
      {kLargeCards, 100, 559, 2, 5},
      {kLargeCards, 100, 560, 0, 0},
  };
  for (const auto& z : zones) {
    Deal(true);
    const int card = s().currentCard();
    const Cell cell = CellAt(z.g, z.x, z.y);
    game.PlaceCard(cell.column, cell.row);
    if (z.column == 0) {
      EXPECT_EQ(EmptyCells(), 25) << z.x << "," << z.y;
      EXPECT_EQ(req.beeps, 0);
    } else {
      EXPECT_EQ(s().board[z.column][z.row], card) << z.x << "," << z.y;
      EXPECT_EQ(s().lastMoveCol, z.column);
      EXPECT_EQ(s().lastMoveRow, z.row);
    }
  }
}

TEST_F(GameFlow, OccupiedCellBeepsAndChangesNothing) {
  Deal(true);
  PlaceAt(4, 4);
  EXPECT_TRUE(req.undoEnabled);
  game.Undo();
  PlaceAt(4, 4);
  PlaceAt(3, 3);
  game.Undo();  // Undo now disabled
  const GameState before = s();
  req.calls.clear();
  PlaceAt(4, 4);
  EXPECT_EQ(req.calls, std::vector<std::string>{"beep"});
  EXPECT_EQ(s().board, before.board);
  EXPECT_EQ(s().currentCard(), before.currentCard());
  EXPECT_FALSE(req.undoEnabled);  // the beep leaves Undo as it was
}

TEST_F(GameFlow, UndoOfAPlacementThatCompletedARowAndAColumn) {
  Deal(true);
  // Fill row 1 (columns 3 to 6) and column 2 (rows 2 to 5), so that a placement at (2, 1)
  // completes both lines.
  for (int c = 3; c <= 6; ++c) PlaceAt(c, 1);
  for (int r = 2; r <= 5; ++r) PlaceAt(2, r);
  ASSERT_EQ(s().totalScore, 0);
  const int placed = s().currentCard();
  const int next = s().deck[s().drawIndex];
  PlaceAt(2, 1);
  ASSERT_TRUE(ColumnComplete(s(), 2));
  ASSERT_TRUE(RowComplete(s(), 1));
  GameState expected = s();
  ComputeLineResults(expected);
  EXPECT_EQ(s().lineResults[2].column, expected.lineResults[2].column);
  EXPECT_EQ(s().lineResults[1].row, expected.lineResults[1].row);
  EXPECT_EQ(s().totalScore, expected.totalScore);
  EXPECT_EQ(s().currentCard(), next);
  const Position before = game.VisiblePosition();

  req.calls.clear();
  game.Undo();
  EXPECT_EQ(s().board[2][1], kEmptySlotCode);
  EXPECT_EQ(s().lineResults[2].column, 0);
  EXPECT_EQ(s().lineResults[1].row, 0);
  EXPECT_EQ(s().totalScore, 0);
  // The player sees exactly the table from before the placement.
  Position unplaced = before;
  unplaced.cells[GridCell(2, 1)] = kEmptySlotCode;
  unplaced.currentCard = placed;
  unplaced.unseen |= CardBit(next);
  EXPECT_EQ(game.VisiblePosition(), unplaced);
  EXPECT_EQ(s().currentCard(), placed);
  EXPECT_EQ(s().drawIndex, s().cardsPlaced + 2);
  // Row 1 has no cell above, so only the current card and the emptied slot are drawn.
  const std::vector<std::string> calls{"undo off", "panel",
                                       "cell " + std::to_string(placed) + " 1,4", "cell 53 2,1"};
  EXPECT_EQ(req.calls, calls);

  // A second Undo does nothing; the taken-back card is the next one placed.
  game.Undo();
  EXPECT_EQ(s().currentCard(), placed);
  PlaceAt(6, 5);
  EXPECT_EQ(s().board[6][5], placed);
  EXPECT_EQ(s().currentCard(), next);
}

TEST_F(GameFlow, UndoRedrawsTheCellAboveAndNotAfterADeal) {
  Deal(true);
  req.calls.clear();
  game.Undo();  // right after the deal
  EXPECT_EQ(req.calls, std::vector<std::string>{"undo off"});

  PlaceAt(3, 1);
  const int above = s().board[3][1];
  const int second = s().currentCard();
  PlaceAt(3, 2);
  req.calls.clear();
  game.Undo();
  const std::vector<std::string> calls{"undo off", "cell " + std::to_string(second) + " 1,4",
                                       "cell 53 3,2", "cell " + std::to_string(above) + " 3,1"};
  EXPECT_EQ(req.calls, calls);
}

TEST_F(GameFlow, PlacementCompletingNoLineLeavesTheTotalAlone) {
  // Seed 33511 throws five cards into board column 5: a complete column holding a pair of
  // kings, which no scoring has counted yet.
  Deal(false, 33511);
  ASSERT_TRUE(ColumnComplete(s(), 5));
  GameState withThrow = s();
  ComputeLineResults(withThrow);
  ASSERT_EQ(withThrow.lineResults[5].column, kOnePair);
  // Four placements in column 2 complete neither their column nor their row.
  for (int r = 1; r <= 4; ++r) {
    PlaceAt(2, r);
    EXPECT_EQ(s().totalScore, 0) << r;
    EXPECT_EQ(s().lineResults[5].column, 0) << r;
  }
  // The next scoring picks the thrown column up.
  PlaceAt(2, 5);
  GameState expected = s();
  ComputeLineResults(expected);
  EXPECT_EQ(s().lineResults[5].column, kOnePair);
  EXPECT_EQ(s().totalScore, expected.totalScore);
  EXPECT_GE(s().totalScore, 2);
}

TEST_F(GameFlow, TheTwentyFifthPlacementEndsTheGame) {
  Deal(true);
  PlayInReadingOrder();
  EXPECT_FALSE(s().gameActive);
  EXPECT_EQ(s().deckSlot(), kNextGameTileCode);
  EXPECT_EQ(s().currentCard(), kBlankCode);
  EXPECT_EQ(s().drawIndex, 27);
  EXPECT_EQ(s().cardsPlaced, 25);
  EXPECT_FALSE(req.undoEnabled);
  const std::vector<std::string> calls{
      "cell " + std::to_string(s().board[6][5]) + " 6,5",
      "undo on",
      "cell 77 1,1",
      "cell 90 1,4",  // the tile is drawn before the blank
      "undo off",
      "panel idle",
      "banner",
      "highscore",
      "banner",
      "panel idle"};  // the 25th card completes its column: scored a second time
  EXPECT_EQ(req.calls, calls);
  GameState expected = s();
  ComputeLineResults(expected);
  EXPECT_EQ(s().totalScore, expected.totalScore);

  // The 25 cards on the grid are deck[1] to deck[25].
  std::vector<int> onGrid, dealt(s().deck.begin() + 1, s().deck.begin() + 26);
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) onGrid.push_back(s().board[c][r]);
  EXPECT_EQ(onGrid, dealt);

  req.calls.clear();
  game.Undo();  // nothing to take back once the game is over
  EXPECT_EQ(s().currentCard(), kBlankCode);
  PlaceAt(2, 1);  // a full grid only beeps
  EXPECT_EQ(s().cardsPlaced, 25);

  // A failed save ends the event at the high-score check: neither the second banner nor the
  // second scoring follows.
  Deal(true);
  req.saveFails = true;
  PlayInReadingOrder();
  const std::vector<std::string> stopped(calls.begin(), calls.begin() + 8);
  EXPECT_EQ(stopped.back(), "highscore");
  EXPECT_EQ(req.calls, stopped);
  EXPECT_FALSE(s().gameActive);
  EXPECT_EQ(s().totalScore, expected.totalScore);
}

TEST_F(GameFlow, WholeGamesOfBothKinds) {
  for (bool regular : {true, false}) {
    for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
      Deal(regular, seed);
      const int thrown = 25 - EmptyCells();
      int placements = 0;
      while (s().gameActive) {
        for (int c = 2; c <= 6 && s().gameActive; ++c)
          for (int r = 1; r <= 5 && s().gameActive; ++r)
            if (s().board[c][r] == kEmptySlotCode) {
              PlaceAt(c, r);
              ++placements;
            }
      }
      EXPECT_EQ(placements, 25 - thrown);
      EXPECT_EQ(req.Count("highscore"), 1);
      GameState expected = s();
      ComputeLineResults(expected);
      EXPECT_EQ(s().totalScore, expected.totalScore);
    }
  }
}

TEST_F(GameFlow, TheGameKindHoldsForEveryDealUntilChanged) {
  Deal(false);
  EXPECT_FALSE(s().regularGame);
  EXPECT_LT(EmptyCells(), 25);
  PlaceAt(2, 1);
  game.NewGame();  // the same kind again
  EXPECT_LT(EmptyCells(), 25);
  EXPECT_EQ(s().lastMoveCol, 0);
  game.SetRegularGame(true);
  game.NewGame();
  EXPECT_TRUE(s().regularGame);
  EXPECT_EQ(EmptyCells(), 25);
  game.InitState();  // the kind survives the start-up state
  EXPECT_TRUE(s().regularGame);
}

TEST_F(GameFlow, NewGameDuringAGameStartsAfresh) {
  Deal(true);
  // One card short of the end: the new deal's first card must not count as the 25th.
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c)
      if (r < 5 || c < 6) PlaceAt(c, r);
  ASSERT_EQ(s().cardsPlaced, 24);
  ASSERT_GT(s().totalScore, 0);
  req.calls.clear();
  game.NewGame();
  EXPECT_EQ(req.Count("highscore"), 0);
  EXPECT_EQ(req.Count("panel idle"), 0);
  EXPECT_TRUE(s().gameActive);
  EXPECT_EQ(s().cardsPlaced, 0);
  EXPECT_EQ(s().drawIndex, 2);
  EXPECT_EQ(s().totalScore, 0);
  EXPECT_EQ(s().dealCount, 1);
  EXPECT_EQ(EmptyCells(), 25);
  EXPECT_FALSE(req.undoEnabled);
}

TEST_F(GameFlow, DealsByNumber) {
  // Deal 0 is the deck of a generator seeded with 0, whatever the generator held before; in
  // the throw-down kind it throws the five cards of that seed.
  Deal(false, 12345);
  PlaceAt(2, 1);
  game.NewGame(0);
  EXPECT_EQ(s().dealNumber, 0u);
  const int head[] = {31, 6, 51, 16, 2, 30, 36, 45};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(s().deck[k], head[k - 1]) << k;
  EXPECT_EQ(s().cardsThrown, 5);
  EXPECT_EQ(s().board[3][1], 31);
  EXPECT_EQ(s().board[4][3], 2);
  EXPECT_EQ(s().cardsPlaced, 5);
  EXPECT_EQ(s().lastMoveCol, 0);

  // A deal's number is the generator's state before its shuffle: dealing the number again
  // gives the same game, and the deals after it follow as they did the first time.
  for (bool regular : {true, false}) {
    Deal(regular, 99);
    game.NewGame();
    const GameState second = s();
    EXPECT_NE(second.dealNumber, 99u);
    game.NewGame();
    const std::uint32_t third = s().dealNumber;
    game.NewGame(second.dealNumber);
    EXPECT_EQ(s().deck, second.deck);
    EXPECT_EQ(s().board, second.board);
    EXPECT_EQ(s().cardsThrown, second.cardsThrown);
    EXPECT_EQ(s().cardsThrown == 0, regular);
    game.NewGame();
    EXPECT_EQ(s().dealNumber, third);
  }
}

TEST(DealNumber, OnlyWholeNumbersInRange) {
  EXPECT_EQ(ParseDealNumber("0"), 0u);
  EXPECT_EQ(ParseDealNumber("00042"), 42u);
  EXPECT_EQ(ParseDealNumber("4294967295"), 4294967295u);
  for (const char* bad :
       {"", "4294967296", "99999999999999999999999", "-1", "+1", " 1", "1 ", "1e3", "0x10", "12a"})
    EXPECT_EQ(ParseDealNumber(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace marnelok
