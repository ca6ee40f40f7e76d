// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game, played through a recording stand-in for the table window.
#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"
#include "daily_deal.h"
#include "deal_number.h"
#include "game.h"
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
    game.SetKind(regular ? GameKind::kRegular : GameKind::kThrowDown);
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
  game.SetKind(GameKind::kRegular);
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
  // The game is active before a panel is drawn, so that none ends with a banner; the deal
  // ends with a full repaint, with Undo off and a card waiting.
  EXPECT_TRUE(req.ToldBeforeDrawing());
  EXPECT_EQ(req.Count("panel idle"), 0);
  EXPECT_EQ(req.Count("cell 31 1,4"), 1);
  EXPECT_EQ(req.calls.back(), "invalidate");
  EXPECT_FALSE(req.undoEnabled);
  EXPECT_TRUE(req.cardCurrent);
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

TEST_F(GameFlow, OccupiedCellBeepsAndCellsOffTheGridAreIgnored) {
  Deal(true);
  // The stock column, and cells beyond the grid that a release may map to, take nothing.
  for (const auto& [c, r] : {std::pair{1, 1}, {1, 3}, {7, 1}, {2, 0}, {2, 6}, {-1, -1}}) {
    PlaceAt(c, r);
    EXPECT_EQ(EmptyCells(), 25) << c << "," << r;
  }
  EXPECT_EQ(req.calls, std::vector<std::string>{});
  PlaceAt(4, 4);
  EXPECT_TRUE(req.ToldBeforeDrawing());
  EXPECT_EQ(s().lastMoveCol, 4);
  EXPECT_EQ(s().lastMoveRow, 4);
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
  // Row 1 is 9, J, Q, 10, 8 of several suits; column 2 holds no hand.
  EXPECT_EQ(s().lineResults[1].row, kStraight);
  EXPECT_EQ(s().lineResults[2].column, kNone);
  EXPECT_EQ(s().totalScore, 15);
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
  // The panel loses the two lines; row 1 has no cell above, so only the current card and the
  // emptied slot are drawn.
  EXPECT_TRUE(req.ToldBeforeDrawing());
  EXPECT_EQ(req.Count("panel"), 1);
  EXPECT_EQ(req.Count("cell " + std::to_string(placed) + " 1,4"), 1);
  EXPECT_EQ(req.Count("cell 53 2,1"), 1);
  EXPECT_EQ(std::count_if(req.calls.begin(), req.calls.end(),
                          [](const std::string& c) { return c.starts_with("cell"); }),
            2);
  EXPECT_FALSE(req.undoEnabled);

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
  // The card above comes after the emptied slot, whose outline may have touched it.
  EXPECT_EQ(req.Count("cell " + std::to_string(second) + " 1,4"), 1);
  EXPECT_GE(req.Index("cell 53 3,2"), 0);
  EXPECT_GT(req.Index("cell " + std::to_string(above) + " 3,1"), req.Index("cell 53 3,2"));
}

TEST_F(GameFlow, PlacementCompletingNoLineLeavesTheTotalAlone) {
  // Seed 33511 throws five cards into board column 5: a complete column holding a pair of
  // kings, which no scoring has counted yet.
  Deal(false, 33511);
  ASSERT_TRUE(ColumnComplete(s(), 5));
  // Four placements in column 2 complete neither their column nor their row.
  for (int r = 1; r <= 4; ++r) {
    PlaceAt(2, r);
    EXPECT_EQ(s().totalScore, 0) << r;
    EXPECT_EQ(s().lineResults[5].column, 0) << r;
  }
  // The next scoring picks the thrown column up.
  PlaceAt(2, 5);
  EXPECT_EQ(s().lineResults[5].column, kOnePair);
  EXPECT_EQ(s().lineResults[2].column, kNone);  // A, K, 8, 10, 4
  EXPECT_EQ(s().totalScore, 2);
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
  EXPECT_FALSE(req.cardCurrent);
  // Pairs in rows 1 and 4 and in columns 2, 5 and 6.
  EXPECT_EQ(s().totalScore, 10);
  // The tile is drawn before the blank; Undo and the current card are gone before the name
  // prompt; the scored panel comes before the banner, and the banner once more over the board
  // that the Top 5 check redrew; the 25th card completes its column, so it is scored again.
  const int check = req.Index("highscore");
  EXPECT_EQ(req.Count("highscore"), 1);
  EXPECT_LT(req.Index("cell 77 1,1"), req.Index("cell 90 1,4"));
  EXPECT_LT(req.Index("undo off"), check);
  EXPECT_LT(req.Index("card off"), check);
  EXPECT_LT(req.Index("panel idle"), req.Index("banner"));
  ASSERT_GE(check, 0);
  EXPECT_EQ(req.calls[static_cast<std::size_t>(check) + 1], "banner");
  // The game is reported finished once, right after the high-score check.
  EXPECT_EQ(req.finishedAfter, std::vector<std::size_t>{static_cast<std::size_t>(check) + 1});
  EXPECT_EQ(req.calls.back(), "panel idle");

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
  EXPECT_EQ(req.calls.back(), "highscore");
  EXPECT_EQ(req.finishedAfter.back(), req.calls.size());  // and after a failed save, too
  EXPECT_EQ(req.Count("banner"), 1);
  EXPECT_FALSE(s().gameActive);
  EXPECT_EQ(s().totalScore, 10);

  // The start-up state after a finished game: no scores, only the deck on the table.
  game.InitState();
  EXPECT_EQ(s().totalScore, 0);
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(s().lineResults[c].column + s().lineResults[c].row, kNone) << c;
    for (int r = 1; r <= 5; ++r)
      EXPECT_EQ(s().board[c][r], (c == 1 && r == 1) ? kDeckCode : kVoidCode) << c << "," << r;
  }
}

TEST_F(GameFlow, WholeGamesOfBothKinds) {
  // Totals of the games that fill each column top to bottom, left to right.
  const struct {
    bool regular;
    std::uint32_t seed;
    int total;
  } games[] = {{true, 1, 8},  {true, 2, 26},  {true, 3, 7},  {true, 99, 36},
               {false, 1, 4}, {false, 2, 10}, {false, 3, 7}, {false, 99, 21}};
  for (const auto& g : games) {
    Deal(g.regular, g.seed);
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
    EXPECT_EQ(s().totalScore, g.total) << g.regular << " " << g.seed;
  }
}

TEST_F(GameFlow, TheGameKindHoldsForEveryDealUntilChanged) {
  Deal(false);
  EXPECT_EQ(s().kind, GameKind::kThrowDown);
  EXPECT_LT(EmptyCells(), 25);
  PlaceAt(2, 1);
  game.NewGame();  // the same kind again
  EXPECT_LT(EmptyCells(), 25);
  EXPECT_EQ(s().lastMoveCol, 0);
  game.SetKind(GameKind::kRegular);
  game.NewGame();
  EXPECT_EQ(s().kind, GameKind::kRegular);
  EXPECT_EQ(EmptyCells(), 25);
  game.InitState();  // the kind survives the start-up state
  EXPECT_EQ(s().kind, GameKind::kRegular);
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
  EXPECT_TRUE(req.cardCurrent);
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

// Other tools compute the same numbers from the documented formula: these pin it.
TEST(DealNumber, EachDateHasItsOwnFixedDeal) {
  EXPECT_EQ(DailyDealNumber(2000, 1, 1), 2707003478u);
  EXPECT_EQ(DailyDealNumber(1999, 12, 31), 3591696243u);  // before day zero
  EXPECT_EQ(DailyDealNumber(2024, 2, 29), 2537914217u);   // a leap day
  EXPECT_EQ(DailyDealNumber(2024, 12, 31), 3421951708u);  // a year's end and the next day
  EXPECT_EQ(DailyDealNumber(2025, 1, 1), 1473727089u);
  EXPECT_EQ(DailyDealNumber(2024, 12, 31), DailyDealOfDay(9131));
  for (const auto [y, m, d] : {std::array{2023, 2, 29}, {2024, 13, 1}, {2024, 4, 31}, {2024, 0, 5}})
    EXPECT_EQ(DailyDealNumber(y, m, d), std::nullopt) << y << '-' << m << '-' << d;
}

}  // namespace
}  // namespace marnelok
