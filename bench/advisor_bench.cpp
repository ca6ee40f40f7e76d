// SPDX-License-Identifier: GPL-3.0-or-later
// The move advisor's strength: plays whole regular games with a chosen player and prints the
// mean total, its 95 % confidence half-width, the share of wins and the time per move. With
// --jobs J, J threads share the games. Each game has its own deal and seeds, so J changes no
// total while the advisor finishes within its time; where the limit cuts searches short, a
// busy machine (or more threads than free cores) searches less and totals may differ.
//
//   marnelok_bench_advisor --games N --first-seed S --ms-per-move M [--jobs J]
//                          [--player random|greedy|advisor] [--simulated-games K] [--depth D]
//                          [--win-weight W]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "advisor.h"
#include "advisor_board.h"
#include "board.h"
#include "deck.h"
#include "random.h"

namespace marnelok {
namespace {

struct Options {
  int games = 2000;
  std::uint32_t firstSeed = 1;
  int msPerMove = 100;
  int jobs = 1;
  std::string player = "advisor";
  AdvisorBudget budget;
};

// The 25 cards that game k places, in the order a new regular game deals them after the
// game's own generator is seeded with firstSeed + k: deck[1] first.
std::array<int, kCardsPerGame> DealForGame(std::uint32_t firstSeed, int k) {
  RandomSource random(firstSeed + static_cast<std::uint32_t>(k));
  const Deck deck = ShuffleDeck(random);
  std::array<int, kCardsPerGame> cards{};
  for (int i = 0; i < kCardsPerGame; ++i) cards[static_cast<std::size_t>(i)] = deck[i + 1];
  return cards;
}

// The total of a full grid by the rules' own scoring.
int ScoreGrid(const std::array<int, kGridCells>& cells) {
  GameState state;
  for (int cell = 0; cell < kGridCells; ++cell)
    state.board[GridColumnOf(cell)][GridRowOf(cell)] = cells[static_cast<std::size_t>(cell)];
  ComputeLineResults(state);
  return state.totalScore;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const char* v = argv[i + 1];
    if (!std::strcmp(argv[i], "--games"))
      o.games = std::atoi(v);
    else if (!std::strcmp(argv[i], "--first-seed"))
      o.firstSeed = static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10));
    else if (!std::strcmp(argv[i], "--ms-per-move"))
      o.msPerMove = std::atoi(v);
    else if (!std::strcmp(argv[i], "--jobs"))
      o.jobs = std::atoi(v);
    else if (!std::strcmp(argv[i], "--player"))
      o.player = v;
    else if (!std::strcmp(argv[i], "--simulated-games"))
      o.budget.simulatedGames = std::atoi(v);
    else if (!std::strcmp(argv[i], "--win-weight"))
      o.budget.winWeight = std::atof(v);
    else if (!std::strcmp(argv[i], "--depth"))
      o.budget.searchDepth = std::atoi(v);
    else
      return false;
  }
  const bool knownPlayer = o.player == "random" || o.player == "greedy" || o.player == "advisor";
  return argc % 2 == 1 && o.games > 0 && o.msPerMove > 0 && o.jobs > 0 && knownPlayer &&
         o.budget.simulatedGames >= 0 && o.budget.searchDepth >= 1 && o.budget.winWeight >= 0;
}

struct GameResult {
  int total = 0;
  double moveSeconds = 0;
  double slowestMove = 0;
  bool illegalMove = false;  // the player chose badCell, which was not empty
  int badCell = -1;
};

GameResult PlayGame(const Options& o, int k) {
  using Clock = std::chrono::steady_clock;
  GameResult result;
  const auto cards = DealForGame(o.firstSeed, k);
  advisor::SplitMix64 random(o.firstSeed + static_cast<std::uint64_t>(k));
  std::array<int, kGridCells> cells{};
  cells.fill(kEmptySlotCode);
  for (int card : cards) {
    const Position position = MakePosition(cells, card);
    int cell = -1;
    const Clock::time_point start = Clock::now();
    if (o.player == "random") {
      do cell = random.Below(kGridCells);
      while (cells[static_cast<std::size_t>(cell)] != kEmptySlotCode);
    } else {
      cell = AdviseMove(position, random.Next(), o.budget).cell;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.moveSeconds += seconds;
    result.slowestMove = std::max(result.slowestMove, seconds);
    if (cell < 0 || cells[static_cast<std::size_t>(cell)] != kEmptySlotCode) {
      result.illegalMove = true;
      result.badCell = cell;
      return result;
    }
    cells[static_cast<std::size_t>(cell)] = card;
  }
  result.total = ScoreGrid(cells);
  return result;
}

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  using namespace marnelok;
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(
        stderr,
        "usage: %s [--games N] [--first-seed S] [--ms-per-move M] [--jobs J] "
        "[--player random|greedy|advisor] [--simulated-games K] [--depth D] [--win-weight W]\n",
        argv[0]);
    return 2;
  }
  o.budget.timeLimit = std::chrono::milliseconds(o.msPerMove);
  if (o.player == "greedy") {
    o.budget.searchDepth = 1;
    o.budget.simulatedGames = 0;
  }
  // The threads take the next unplayed game until none is left; results are kept by game so
  // that the sums run in the same order whatever the thread count.
  std::vector<GameResult> results(static_cast<std::size_t>(o.games));
  std::atomic<int> next{0};
  std::atomic<int> finished{0};
  std::mutex progress;
  auto work = [&] {
    for (int k = next++; k < o.games; k = next++) {
      results[static_cast<std::size_t>(k)] = PlayGame(o, k);
      if (const int done = ++finished; done % 100 == 0 && done < o.games) {
        const std::lock_guard lock(progress);
        std::fprintf(stderr, "%d games played\n", done);
      }
    }
  };
  {
    std::vector<std::jthread> threads;
    for (int j = 0; j < std::min(o.jobs, o.games); ++j) threads.emplace_back(work);
  }
  double sum = 0, sumSquares = 0, moveSeconds = 0, slowestMove = 0;
  int wins = 0;
  for (int k = 0; k < o.games; ++k) {
    const GameResult& r = results[static_cast<std::size_t>(k)];
    if (r.illegalMove) {
      std::fprintf(stderr, "game %d: the player chose cell %d, which is not empty\n", k, r.badCell);
      return 1;
    }
    sum += r.total;
    sumSquares += static_cast<double>(r.total) * r.total;
    wins += IsWin(r.total) ? 1 : 0;
    moveSeconds += r.moveSeconds;
    slowestMove = std::max(slowestMove, r.slowestMove);
  }
  const double n = o.games;
  const double mean = sum / n;
  const double variance = n > 1 ? (sumSquares - n * mean * mean) / (n - 1) : 0;
  const double halfWidth = 1.96 * std::sqrt(std::max(variance, 0.0) / n);
  std::printf(
      "%s: %d games, mean %.1f \u00b1 %.1f, wins %.1f %%, per move mean %.3f ms, max %.1f ms\n",
      o.player.c_str(), o.games, mean, halfWidth, 100.0 * wins / n,
      1000.0 * moveSeconds / (n * kCardsPerGame), 1000.0 * slowestMove);
  return 0;
}
