// SPDX-License-Identifier: GPL-3.0-or-later
// The move advisor: certain choices, legal advice, reproducibility, blindness to the deck's
// order and to the game's random source, and stopping on request.
#include "advisor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <thread>

#include "advisor_board.h"
#include "board.h"
#include "hand.h"
#include "line_class_table.h"
#include "random.h"

namespace marnelok {
namespace {

using namespace std::chrono_literals;

// A budget bound by its count of simulated games, never by the clock.
AdvisorBudget CountBudget(int games, int depth = 3) {
  AdvisorBudget b;
  b.timeLimit = std::chrono::hours(1);
  b.simulatedGames = games;
  b.searchDepth = depth;
  return b;
}

// A grid from (cell, code) pairs; every other cell empty.
std::array<int, kGridCells> Grid(std::initializer_list<std::pair<int, int>> cards) {
  std::array<int, kGridCells> cells{};
  cells.fill(kEmptySlotCode);
  for (auto [cell, code] : cards) cells[static_cast<std::size_t>(cell)] = code;
  return cells;
}

// A shuffled deck of its own, so the tests do not depend on how the game shuffles.
std::array<int, kCardsInDeck> Shuffled(std::uint64_t seed) {
  std::array<int, kCardsInDeck> deck{};
  std::iota(deck.begin(), deck.end(), 1);
  advisor::SplitMix64 random(seed);
  for (int i = kCardsInDeck - 1; i > 0; --i)
    std::swap(deck[static_cast<std::size_t>(i)],
              deck[static_cast<std::size_t>(random.Below(i + 1))]);
  return deck;
}

void ExpectConsistent(const Position& p, const Advice& a) {
  ASSERT_GE(a.cell, 0);
  ASSERT_LT(a.cell, kGridCells);
  EXPECT_EQ(p.cells[a.cell], kEmptySlotCode);
  for (int cell = 0; cell < kGridCells; ++cell) {
    if (p.cells[cell] != kEmptySlotCode) {
      EXPECT_EQ(a.expectedTotal[cell], -1.0) << cell;
    } else {
      EXPECT_GE(a.expectedTotal[cell], 0.0) << cell;
      EXPECT_LE(a.expectedTotal[cell], a.expectedTotal[a.cell]) << cell;
    }
  }
}

TEST(Advisor, TakesTheCertainBestCell) {
  // Ten to king of hearts in the top row, the ace of hearts to place: only cell 4 makes the
  // royal flush, though a pair of aces waits in the second row.
  const Position royal = MakePosition(
      Grid({{0, 9}, {1, 10}, {2, 11}, {3, 12}, {5, 26}, {6, 14}, {7, 30}, {12, 44}, {18, 21}}), 13);
  // Three kings and a two in the top row, the fourth king to place: four of a kind now,
  // against a pair at best anywhere else.
  const Position quads =
      MakePosition(Grid({{0, 25}, {1, 38}, {2, 51}, {3, 14}, {10, 11}, {16, 7}, {22, 33}}), 12);
  for (int depth : {1, 3}) {
    SCOPED_TRACE(depth);
    for (auto [position, best] : {std::pair{royal, 4}, {quads, 4}}) {
      const Advice a = AdviseMove(position, 7, CountBudget(200, depth));
      EXPECT_EQ(a.cell, best);
      ExpectConsistent(position, a);
      EXPECT_EQ(a.depthSearched, depth);
      EXPECT_FALSE(a.stopped);
    }
  }
  // The last empty cell: the only move, and its exact total (the royal flush's 100 points).
  std::array<int, kGridCells> full = Grid({});
  const auto deck = Shuffled(3);
  int next = 0;
  for (int cell = 0; cell < kGridCells; ++cell) {
    while (deck[static_cast<std::size_t>(next)] >= 9 && deck[static_cast<std::size_t>(next)] <= 13)
      ++next;
    full[static_cast<std::size_t>(cell)] = deck[static_cast<std::size_t>(next++)];
  }
  for (int cell = 0; cell < 4; ++cell) full[static_cast<std::size_t>(cell)] = 9 + cell;
  full[4] = kEmptySlotCode;
  const Advice last = AdviseMove(MakePosition(full, 13), 1, CountBudget(50));
  EXPECT_EQ(last.cell, 4);
  full[4] = 13;
  GameState scored;
  for (int cell = 0; cell < kGridCells; ++cell)
    scored.board[GridColumnOf(cell)][GridRowOf(cell)] = full[static_cast<std::size_t>(cell)];
  ComputeLineResults(scored);
  EXPECT_EQ(last.expectedTotal[4], scored.totalScore);
}

TEST(Advisor, AdvisesOnlyEmptyCellsAndRefusesImpossiblePositions) {
  // Whole games with thrown-down cards as well: every advice names an empty cell.
  for (std::uint64_t game = 0; game < 4; ++game) {
    const auto deck = Shuffled(100 + game);
    std::array<int, kGridCells> cells = Grid({});
    int next = 0;
    for (int t = 0; t < static_cast<int>(game); ++t)  // 0 to 3 cards thrown down
      cells[static_cast<std::size_t>((7 * t + 3) % kGridCells)] =
          deck[static_cast<std::size_t>(next++)];
    while (next < kCardsPerGame) {
      const Position p = MakePosition(cells, deck[static_cast<std::size_t>(next)]);
      const Advice a = AdviseMove(p, game, CountBudget(20, p.EmptyCells() <= 12 ? 3 : 2));
      ExpectConsistent(p, a);
      if (a.cell < 0) return;
      cells[static_cast<std::size_t>(a.cell)] = deck[static_cast<std::size_t>(next++)];
    }
  }
  // No advice without a card to place, without an empty cell, or for a card seen twice.
  const std::array<int, kGridCells> some = Grid({{0, 5}, {1, 6}});
  std::array<int, kGridCells> noneEmpty{};
  std::iota(noneEmpty.begin(), noneEmpty.end(), 1);
  std::array<int, kGridCells> stray = some;
  stray[7] = kVoidCode;
  for (const Position& p :
       {MakePosition(some, kBlankCode), MakePosition(noneEmpty, 40), MakePosition(some, 5),
        MakePosition(Grid({{0, 5}, {9, 5}}), 7), MakePosition(stray, 7)})
    EXPECT_EQ(AdviseMove(p, 1, CountBudget(10)).cell, -1);
  // Unseen cards filled in wrongly by a caller are recomputed from what is in view.
  Position wrong = MakePosition(some, 7);
  const Advice right = AdviseMove(wrong, 5, CountBudget(30));
  wrong.unseen = kAllCards;
  const Advice fixed = AdviseMove(wrong, 5, CountBudget(30));
  EXPECT_EQ(fixed.cell, right.cell);
  EXPECT_EQ(fixed.expectedTotal, right.expectedTotal);
}

TEST(Advisor, SameSeedAndCountGiveTheSameAdviceWhateverTheDeckOrder) {
  // Two deals that show the same grid and current card from differently ordered decks.
  GameState a;
  GameState b;
  const auto deckA = Shuffled(11);
  for (int i = 0; i < kCardsInDeck; ++i) a.deck[i + 1] = deckA[static_cast<std::size_t>(i)];
  b.deck = a.deck;
  std::reverse(b.deck.begin() + 12, b.deck.end());  // same first 11 cards, the rest reversed
  for (GameState* s : {&a, &b}) {
    ClearBoard(*s);
    for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
      for (int r = 1; r <= kBoardRows; ++r) s->board[c][r] = kEmptySlotCode;
    for (int i = 1; i <= 10; ++i) {
      const int cell = i * 7 % kGridCells;
      s->board[GridColumnOf(cell)][GridRowOf(cell)] = s->deck[i];
    }
    s->currentCard() = s->deck[11];
    s->drawIndex = 12;
  }
  ASSERT_NE(a.deck, b.deck);
  const Advice first = AdviseMove(VisiblePosition(a), 42, CountBudget(300));
  const Advice second = AdviseMove(VisiblePosition(b), 42, CountBudget(300));
  EXPECT_EQ(first.cell, second.cell);
  EXPECT_EQ(first.expectedTotal, second.expectedTotal);
  EXPECT_EQ(first.simulatedGames, 300);
  EXPECT_EQ(second.simulatedGames, 300);
  // The simulations draw from the seed: another seed gives other estimates.
  const Advice otherSeed = AdviseMove(VisiblePosition(a), 43, CountBudget(300));
  EXPECT_NE(otherSeed.expectedTotal, first.expectedTotal);
}

TEST(Advisor, StopsOnRequestWithUsableAdvice) {
  const Position p = MakePosition(Grid({{6, 20}, {12, 33}}), 47);
  AdvisorBudget endless = CountBudget(1 << 30, 4);
  // A stop requested before the call: the table's own choice, at once.
  std::stop_source stopped;
  stopped.request_stop();
  const Advice at_once = AdviseMove(p, 1, endless, stopped.get_token());
  EXPECT_TRUE(at_once.stopped);
  EXPECT_EQ(at_once.depthSearched, 1);
  ExpectConsistent(p, at_once);
  // A stop from another thread while the look-ahead runs.
  std::stop_source source;
  Advice advice;
  std::chrono::steady_clock::time_point requested;
  {
    std::jthread worker([&] { advice = AdviseMove(p, 1, endless, source.get_token()); });
    std::this_thread::sleep_for(30ms);
    requested = std::chrono::steady_clock::now();
    source.request_stop();
  }
  const auto returned = std::chrono::steady_clock::now();
  EXPECT_TRUE(advice.stopped);
  EXPECT_LT(returned - requested, 500ms);  // generous for sanitizer builds
  ExpectConsistent(p, advice);
  // The time limit alone ends a search as well.
  endless.timeLimit = 40ms;
  const auto limited = std::chrono::steady_clock::now();
  const Advice timed = AdviseMove(p, 1, endless);
  EXPECT_TRUE(timed.stopped);
  EXPECT_LT(std::chrono::steady_clock::now() - limited, 540ms);
  ExpectConsistent(p, timed);
}

// The exact worth of placing the current card in `cell` when one other cell is empty: the
// average over the unseen cards of the total, plus winWeight for a winning one.
double ExactWorth(const Position& p, int cell, double winWeight) {
  std::array<int, kGridCells> cells = p.cells;
  cells[static_cast<std::size_t>(cell)] = p.currentCard;
  const int other =
      static_cast<int>(std::find(cells.begin(), cells.end(), kEmptySlotCode) - cells.begin());
  double sum = 0;
  int count = 0;
  for (int code = 1; code <= kCardsInDeck; ++code) {
    if ((p.unseen & CardBit(code)) == 0 || code == p.currentCard) continue;
    cells[static_cast<std::size_t>(other)] = code;
    GameState s;
    for (int c = 0; c < kGridCells; ++c)
      s.board[GridColumnOf(c)][GridRowOf(c)] = cells[static_cast<std::size_t>(c)];
    ComputeLineResults(s);
    sum += s.totalScore + (s.totalScore >= kWinningScore ? winWeight : 0.0);
    ++count;
  }
  return sum / count;
}

TEST(Advisor, PlaysForTheWinWhenAWinIsWorthMore) {
  // The chance of a winning total, tabulated: the normal distribution's tail, half at 149.5,
  // certain either way without a spread.
  for (double z = -9; z <= 9; z += 0.01)
    ASSERT_NEAR(advisor::WinChance(149.5 + 10 * z, 100), 0.5 * std::erfc(-z / std::sqrt(2.0)), 1e-5)
        << z;
  EXPECT_EQ(advisor::WinChance(149.5, 400), 0.5);
  EXPECT_EQ(advisor::WinChance(150, 0), 1.0);
  EXPECT_EQ(advisor::WinChance(149, 0), 0.0);
  // With two cells left, a look-ahead of 2 is exact: with and without a win weight, the
  // advice is the cell of the highest exact worth, even where the two disagree.
  constexpr double kWeight = 40;
  int disagreements = 0;
  for (std::uint64_t game = 0; game < 400 && disagreements < 3; ++game) {
    const auto deck = Shuffled(7000 + game);
    std::array<int, kGridCells> cells = Grid({});
    for (int next = 0; next < kGridCells - 2; ++next) {
      const Position p = MakePosition(cells, deck[static_cast<std::size_t>(next)]);
      cells[static_cast<std::size_t>(AdviseMove(p, 1, CountBudget(0, 1)).cell)] = p.currentCard;
    }
    const Position p = MakePosition(cells, deck[kGridCells - 2]);
    std::array<int, 2> empty{};
    int n = 0;
    for (int cell = 0; cell < kGridCells; ++cell)
      if (cells[static_cast<std::size_t>(cell)] == kEmptySlotCode)
        empty[static_cast<std::size_t>(n++)] = cell;
    const auto best = [&](double w) {
      const double a = ExactWorth(p, empty[0], w);
      const double b = ExactWorth(p, empty[1], w);
      return std::abs(a - b) < 1e-6 ? -1 : (a > b ? empty[0] : empty[1]);
    };
    const int forTotal = best(0);
    const int forWin = best(kWeight);
    if (forTotal < 0 || forWin < 0) continue;
    AdvisorBudget budget = CountBudget(0, 2);
    EXPECT_EQ(AdviseMove(p, 1, budget).cell, forTotal) << game;
    budget.winWeight = kWeight;
    const Advice a = AdviseMove(p, 1, budget);
    EXPECT_EQ(a.cell, forWin) << game;
    EXPECT_NEAR(a.expectedTotal[a.cell], ExactWorth(p, a.cell, kWeight), 1e-9) << game;
    disagreements += forTotal != forWin;
  }
  EXPECT_EQ(disagreements, 3) << "too few positions where playing for the win matters";
}

TEST(Advisor, ScoresFullGridsAsTheRulesDoAndCarriesItsTable) {
  for (std::uint64_t seed = 0; seed < 3000; ++seed) {
    const auto deck = Shuffled(seed);
    GameState s;
    std::array<int, kGridCells> cells{};
    for (int cell = 0; cell < kGridCells; ++cell) {
      // Some grids sorted by suit and rank, so that flushes and straights occur too.
      cells[static_cast<std::size_t>(cell)] = seed % 3 == 0 ? cell + 1 + static_cast<int>(seed % 27)
                                                            : deck[static_cast<std::size_t>(cell)];
      s.board[GridColumnOf(cell)][GridRowOf(cell)] = cells[static_cast<std::size_t>(cell)];
    }
    ComputeLineResults(s);
    advisor::SearchBoard board(MakePosition(cells, kBlankCode), advisor::BuiltInLineValues());
    ASSERT_EQ(board.FinalTotal(), s.totalScore) << seed;
    // Taking cards back restores what the lines knew.
    board.Remove(12);
    board.Place(12, cells[12]);
    ASSERT_EQ(board.FinalTotal(), s.totalScore) << seed;
  }
  // The built-in tables are there, and a stored table of the wrong size is refused.
  for (const advisor::LineClassTable* builtIn :
       {&advisor::BuiltInLineValues(), &advisor::BuiltInLineSpread()}) {
    const std::vector<std::uint8_t> stored = builtIn->Save();
    EXPECT_TRUE(std::any_of(stored.begin(), stored.end(), [](std::uint8_t b) { return b != 0; }));
  }
  advisor::LineClassTable table;
  const std::vector<std::uint8_t> bytes = advisor::BuiltInLineValues().Save();
  EXPECT_TRUE(std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; }));
  EXPECT_FALSE(table.Load({bytes.data(), bytes.size() - 1}));
  ASSERT_TRUE(table.Load(bytes));
  EXPECT_EQ(table.Save(), bytes);
}

}  // namespace
}  // namespace marnelok
