// The course of a game, played through a recording stand-in for the table window.
#include <gtest/gtest.h>

#include "board.h"
#include "game.h"
#include "random.h"
#include "recording_requests.h"

namespace marnelok {
namespace {

using testing::RecordingRequests;

// Pixel at the middle of the card at board column c, row r.
Point Middle(const TableGeometry& g, int c, int r) {
  const Point o = CellOrigin(g, c, r);
  return {o.x + g.cardWidth / 2, o.y + g.cardHeight / 2};
}

class GameFlow : public ::testing::Test {
 protected:
  void Deal(bool regular, std::uint32_t seed = 7) {
    game.InitState();
    game.state().regularGame = regular;
    SetRandomSeed(seed);
    game.NewGame();
    req.calls.clear();
  }
  void PlaceAt(int c, int r) {
    const Point p = Middle(game.geometry(), c, r);
    game.PlaceCard(p.x, p.y);
  }
  int EmptyCells() const {
    int n = 0;
    for (int c = 2; c <= 6; ++c)
      for (int r = 1; r <= 5; ++r) n += s().board[c][r] == kEmptySlotCode;
    return n;
  }
  const GameState& s() const { return game.state(); }

  RecordingRequests req;
  Game game{req};
};

TEST_F(GameFlow, RegularDealAndItsRequests) {
  game.InitState();
  game.state().regularGame = true;
  SetRandomSeed(0);
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
  const std::vector<std::string> expected{"panel", "panel", "cell 31 1,4", "undo off",
                                          "invalidate"};
  EXPECT_EQ(req.calls, expected);
}

TEST_F(GameFlow, ThrowDownFromSeedZero) {
  Deal(false, 0);
  EXPECT_EQ(s().board[3][1], 31);
  EXPECT_EQ(s().board[5][5], 6);
  EXPECT_EQ(s().board[2][1], 51);
  EXPECT_EQ(s().board[6][3], 16);
  EXPECT_EQ(s().board[4][3], 2);
  EXPECT_EQ(s().currentCard(), 30);
  EXPECT_EQ(s().drawIndex, 7);
  EXPECT_EQ(s().cardsPlaced, 5);
  EXPECT_EQ(EmptyCells(), 20);
  EXPECT_EQ(s().lastMoveCol, 0);
  EXPECT_EQ(s().totalScore, 0);  // nothing is scored after a throw-down

  // Undo cannot take back a thrown card.
  game.MenuGameUndoItemClick();
  EXPECT_EQ(s().currentCard(), 30);
  EXPECT_EQ(s().drawIndex, 7);
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
  struct Zone { TableGeometry g; int x, y, column, row; };  // column 0: nothing placed
  const Zone zones[] = {
      {kRegularCards, 9, 50, 0, 0},    // left of every zone
      {kRegularCards, 50, 50, 0, 0},   // the stock column never takes a card
      {kRegularCards, 84, 50, 0, 0},   // last pixel of column 1's zone
      {kRegularCards, 85, 50, 2, 1},   // the 4-pixel gap left of a card belongs to it
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
    game.geometry() = z.g;
    const int card = s().currentCard();
    game.PlaceCard(z.x, z.y);
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
  game.MenuGameUndoItemClick();
  PlaceAt(4, 4);
  PlaceAt(3, 3);
  game.MenuGameUndoItemClick();  // Undo now disabled
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
  // Fill row 1 (columns 3 to 6) and column 2 (rows 2 to 5) with cards the deal never uses,
  // so that a placement at (2, 1) completes both lines.
  int spare = 30;
  for (int c = 3; c <= 6; ++c) game.state().board[c][1] = s().deck[spare++];
  for (int r = 2; r <= 5; ++r) game.state().board[2][r] = s().deck[spare++];
  const int placed = s().currentCard();
  const int next = s().deck[2];
  PlaceAt(2, 1);
  ASSERT_TRUE(ColumnComplete(s(), 2));
  ASSERT_TRUE(RowComplete(s(), 1));
  GameState expected = s();
  ComputeLineResults(expected);
  EXPECT_EQ(s().lineResults[2].column, expected.lineResults[2].column);
  EXPECT_EQ(s().lineResults[1].row, expected.lineResults[1].row);
  EXPECT_EQ(s().totalScore, expected.totalScore);
  EXPECT_EQ(s().currentCard(), next);

  req.calls.clear();
  game.MenuGameUndoItemClick();
  EXPECT_EQ(s().board[2][1], kEmptySlotCode);
  EXPECT_EQ(s().lineResults[2].column, 0);
  EXPECT_EQ(s().lineResults[1].row, 0);
  EXPECT_EQ(s().totalScore, 0);
  EXPECT_EQ(s().currentCard(), placed);
  EXPECT_EQ(s().drawIndex, s().cardsPlaced + 2);
  // Row 1 has no cell above, so only the current card and the emptied slot are drawn.
  const std::vector<std::string> calls{"undo off", "panel", "cell " + std::to_string(placed) + " 1,4",
                                       "cell 53 2,1"};
  EXPECT_EQ(req.calls, calls);

  // A second Undo does nothing; the taken-back card is the next one placed.
  game.MenuGameUndoItemClick();
  EXPECT_EQ(s().currentCard(), placed);
  PlaceAt(6, 5);
  EXPECT_EQ(s().board[6][5], placed);
  EXPECT_EQ(s().currentCard(), next);
}

TEST_F(GameFlow, UndoRedrawsTheCellAboveAndNotAfterADeal) {
  Deal(true);
  req.calls.clear();
  game.MenuGameUndoItemClick();  // right after the deal
  EXPECT_EQ(req.calls, std::vector<std::string>{"undo off"});

  PlaceAt(3, 1);
  const int above = s().board[3][1];
  const int second = s().currentCard();
  PlaceAt(3, 2);
  req.calls.clear();
  game.MenuGameUndoItemClick();
  const std::vector<std::string> calls{"undo off", "cell " + std::to_string(second) + " 1,4",
                                       "cell 53 3,2", "cell " + std::to_string(above) + " 3,1"};
  EXPECT_EQ(req.calls, calls);
}

TEST_F(GameFlow, PlacementCompletingNoLineLeavesTheTotalAlone) {
  Deal(true);
  // Complete row 5 behind the rules' back, as a throw-down could.
  int spare = 30;
  for (int c = 2; c <= 6; ++c) game.state().board[c][5] = s().deck[spare++];
  PlaceAt(2, 1);
  EXPECT_EQ(s().totalScore, 0);
  EXPECT_EQ(s().lineResults[5].row, 0);
  // The next scoring picks row 5 up: complete column 3 (rows 1 to 4 left).
  for (int r = 1; r <= 3; ++r) game.state().board[3][r] = s().deck[spare++];
  PlaceAt(3, 4);
  GameState expected = s();
  ComputeLineResults(expected);
  EXPECT_EQ(s().totalScore, expected.totalScore);
  EXPECT_EQ(s().lineResults[5].row, expected.lineResults[5].row);
}

TEST_F(GameFlow, TheTwentyFifthPlacementEndsTheGame) {
  Deal(true);
  int placed = 0;
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) {
      if (++placed == 25) req.calls.clear();
      const int card = s().currentCard();
      PlaceAt(c, r);
      ASSERT_EQ(s().board[c][r], card);
    }
  EXPECT_FALSE(s().gameActive);
  EXPECT_EQ(s().deckSlot(), kNextGameTileCode);
  EXPECT_EQ(s().currentCard(), kBlankCode);
  EXPECT_EQ(s().drawIndex, 27);
  EXPECT_EQ(s().cardsPlaced, 25);
  EXPECT_FALSE(req.undoEnabled);
  const std::vector<std::string> calls{
      "cell " + std::to_string(s().board[6][5]) + " 6,5", "undo on",
      "cell 77 1,1", "cell 90 1,4",   // the tile is drawn before the blank
      "undo off", "panel", "banner", "highscore", "banner",
      "panel"};  // the 25th card completes its column: scored a second time
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
  game.MenuGameUndoItemClick();  // nothing to take back once the game is over
  EXPECT_EQ(s().currentCard(), kBlankCode);
  PlaceAt(2, 1);  // a full grid only beeps
  EXPECT_EQ(s().cardsPlaced, 25);
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

TEST_F(GameFlow, GameKindCommandsCheckTheirItemAndDeal) {
  game.InitState();
  game.state().regularGame = true;
  req.SetRegularGameChecked(true);
  req.SetHarderGameChecked(false);

  game.MenuOptionsHarderGameItemClick();
  EXPECT_FALSE(s().regularGame);
  EXPECT_TRUE(req.HarderGameChecked());
  EXPECT_FALSE(req.RegularGameChecked());
  EXPECT_TRUE(s().gameActive);
  EXPECT_LT(EmptyCells(), 25);

  PlaceAt(2, 1);
  game.MenuOptionsHarderGameItemClick();  // the same kind again: just a new game
  EXPECT_FALSE(s().regularGame);
  EXPECT_EQ(s().lastMoveCol, 0);

  game.MenuOptionsPlayRegGameItemClick();
  EXPECT_TRUE(s().regularGame);
  EXPECT_TRUE(req.RegularGameChecked());
  EXPECT_FALSE(req.HarderGameChecked());
  EXPECT_EQ(EmptyCells(), 25);
}

TEST_F(GameFlow, NewGameDuringAGameStartsAfresh) {
  Deal(true);
  for (int c = 2; c <= 6; ++c) PlaceAt(c, 1);
  ASSERT_GT(s().cardsPlaced, 0);
  game.NewGame();
  EXPECT_EQ(s().cardsPlaced, 0);
  EXPECT_EQ(s().totalScore, 0);
  EXPECT_EQ(s().dealCount, 1);
  EXPECT_EQ(EmptyCells(), 25);
  EXPECT_FALSE(req.undoEnabled);
}

}  // namespace
}  // namespace marnelok
