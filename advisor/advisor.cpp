// SPDX-License-Identifier: GPL-3.0-or-later
// The move advisor: expectimax over the learned line values, then simulated games that compare
// the closest candidates on the same card orders.
#include "advisor.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "advisor_board.h"
#include "line_class_table.h"

namespace marnelok {
namespace {

using advisor::SearchBoard;
using Clock = std::chrono::steady_clock;

// Cells kept at a choice, by the number of placements still looked ahead below it: the
// table's own ranking is good enough that few candidates need a deeper look.
constexpr std::array<int, 5> kKeptCells = {0, 25, 3, 2, 2};
constexpr std::array<int, 5> kKeptAtRoot = {0, 25, 25, 5, 3};
// Candidates compared by simulated games, and the weight their results get at most.
constexpr int kSimulatedCandidates = 3;
constexpr double kSimulationWeight = 0.5;
constexpr int kSimulationHalfWeightGames = 300;

bool ValidPosition(const Position& p) {
  std::uint64_t seen = 0;
  for (int code : p.cells) {
    if (code == kEmptySlotCode) continue;
    if (!IsCard(code) || (seen & CardBit(code)) != 0) return false;
    seen |= CardBit(code);
  }
  return p.HasCurrentCard() && (seen & CardBit(p.currentCard)) == 0 && p.EmptyCells() > 0;
}

class Search {
 public:
  Search(const Position& p, double winWeight, Clock::time_point deadline, std::stop_token stop)
      : board_(p, advisor::BuiltInLineValues()), deadline_(deadline), stop_(std::move(stop)) {
    if (winWeight > 0) board_.SetWinWeight(winWeight, advisor::BuiltInLineSpread());
  }

  bool Aborted() {
    if (!aborted_) aborted_ = stop_.stop_requested() || Clock::now() >= deadline_;
    return aborted_;
  }

  // Expected total of each cell in cells after placing code there, looking depth placements
  // ahead in all (this one included); false when cut short.
  bool Root(int code, const std::vector<int>& cells, int depth,
            std::array<double, kGridCells>& out) {
    if (depth == 1) {
      board_.EvaluatePlacements(code, out);
      return true;
    }
    for (int cell : cells) {
      board_.Place(cell, code);
      out[cell] = Chance(depth - 1);
      board_.Remove(cell);
      if (Aborted()) return false;
    }
    return true;
  }

  SearchBoard& board() { return board_; }

 private:
  // The average over the next card of the best placement for it.
  double Chance(int depth) {
    if (board_.Empties() == 0) return board_.Worth(board_.FinalTotal());
    if (Aborted()) return 0;
    double sum = 0;
    int count = 0;
    for (std::uint64_t bits = board_.Unseen(); bits != 0; bits &= bits - 1) {
      const int code = std::countr_zero(bits) + 1;
      board_.Draw(code);
      sum += Choice(code, depth);
      board_.Undraw(code);
      ++count;
    }
    return count > 0 ? sum / count : board_.Evaluate();
  }

  double Choice(int code, int depth) {
    std::array<double, kGridCells> values{};
    board_.EvaluatePlacements(code, values);
    std::vector<int> cells = EmptyCellsOf(board_.EmptyMask());
    if (depth == 1 || board_.Empties() == 1) {
      double best = values[cells[0]];
      for (int cell : cells) best = std::max(best, values[cell]);
      return best;
    }
    KeepBest(cells, values, kKeptCells[depth]);
    double best = 0;
    bool first = true;
    for (int cell : cells) {
      board_.Place(cell, code);
      const double v = Chance(depth - 1);
      board_.Remove(cell);
      if (first || v > best) best = v;
      first = false;
    }
    return best;
  }

 public:
  static std::vector<int> EmptyCellsOf(std::uint32_t mask) {
    std::vector<int> cells;
    for (; mask != 0; mask &= mask - 1) cells.push_back(std::countr_zero(mask));
    return cells;
  }
  // Keeps the n cells with the highest values, best first; ties keep the lower cell first.
  static void KeepBest(std::vector<int>& cells, const std::array<double, kGridCells>& values,
                       int n) {
    std::stable_sort(cells.begin(), cells.end(),
                     [&](int a, int b) { return values[a] > values[b]; });
    if (static_cast<int>(cells.size()) > n) cells.resize(static_cast<std::size_t>(n));
  }

 private:
  SearchBoard board_;
  Clock::time_point deadline_;
  std::stop_token stop_;
  bool aborted_ = false;
};

// Plays the candidates out on the same random card orders; returns each one's mean total.
std::vector<double> Simulate(Search& search, const std::vector<int>& candidates, int code,
                             std::uint64_t seed, int maxGames, int& played) {
  advisor::SplitMix64 random(seed);
  SearchBoard& board = search.board();
  std::vector<int> unseen;
  for (std::uint64_t bits = board.Unseen(); bits != 0; bits &= bits - 1)
    unseen.push_back(std::countr_zero(bits) + 1);
  const int needed = board.Empties() - 1;
  std::vector<double> sums(candidates.size(), 0.0);
  played = 0;
  while (played < maxGames && !search.Aborted()) {
    // A partial shuffle: only the cards that will be dealt need an order.
    for (int i = 0; i < needed; ++i) {
      const int j = i + random.Below(static_cast<int>(unseen.size()) - i);
      std::swap(unseen[static_cast<std::size_t>(i)], unseen[static_cast<std::size_t>(j)]);
    }
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      SearchBoard start = board;
      start.Place(candidates[k], code);
      sums[k] += board.Worth(advisor::PlayOut(start, unseen.data()));
    }
    ++played;
  }
  for (double& s : sums) s /= std::max(played, 1);
  return sums;
}

}  // namespace

Advice AdviseMove(const Position& position, std::uint64_t seed, const AdvisorBudget& budget,
                  std::stop_token stop) {
  Advice advice;
  advice.expectedTotal.fill(-1.0);
  if (!ValidPosition(position)) return advice;
  const Clock::time_point deadline = Clock::now() + budget.timeLimit;

  // The unseen cards are exactly those not in view, whatever the caller filled in.
  Position visible = MakePosition(position.cells, position.currentCard);
  Search search(visible, budget.winWeight, deadline, std::move(stop));
  const int code = visible.currentCard;
  std::vector<int> cells = Search::EmptyCellsOf(search.board().EmptyMask());

  std::array<double, kGridCells> values{};
  search.Root(code, cells, 1, values);  // always completes: the fallback answer
  advice.depthSearched = 1;
  const int maxDepth = std::clamp(budget.searchDepth, 1, 4);
  for (int depth = 2; depth <= maxDepth && cells.size() > 1; ++depth) {
    Search::KeepBest(cells, values, kKeptAtRoot[depth]);
    std::array<double, kGridCells> deeper = values;
    if (!search.Root(code, cells, depth, deeper)) break;
    // The cells left out move by the candidates' average change, so that no estimate from a
    // shallower look-ahead can rise above the best of the deeper ones.
    double shift = 0;
    for (int cell : cells)
      shift += (deeper[cell] - values[cell]) / static_cast<double>(cells.size());
    for (int cell : Search::EmptyCellsOf(search.board().EmptyMask()))
      if (std::find(cells.begin(), cells.end(), cell) == cells.end()) deeper[cell] += shift;
    values = deeper;
    advice.depthSearched = depth;
  }
  // cells now holds the candidates of the deepest finished look-ahead, best first.
  Search::KeepBest(cells, values, kGridCells);
  for (std::uint32_t bits = search.board().EmptyMask(); bits != 0; bits &= bits - 1)
    advice.expectedTotal[std::countr_zero(bits)] = values[std::countr_zero(bits)];
  advice.cell = cells[0];
  advice.stopped = advice.depthSearched < maxDepth && cells.size() > 1;

  const int simulated = std::min<int>(kSimulatedCandidates, static_cast<int>(cells.size()));
  if (budget.simulatedGames <= 0 || simulated < 2 || search.board().Empties() < 2 ||
      search.Aborted())
    return advice;
  const std::vector<int> candidates(cells.begin(), cells.begin() + simulated);
  const std::vector<double> means =
      Simulate(search, candidates, code, seed, budget.simulatedGames, advice.simulatedGames);
  advice.stopped = advice.stopped || advice.simulatedGames < budget.simulatedGames;
  // Both estimates are taken relative to the candidates' average, so that the blend keeps the
  // look-ahead's scale while the simulations reorder close candidates.
  const double n = advice.simulatedGames;
  const double w = kSimulationWeight * n / (n + kSimulationHalfWeightGames);
  double meanSearch = 0;
  double meanSimulated = 0;
  for (int k = 0; k < simulated; ++k) {
    meanSearch += values[candidates[static_cast<std::size_t>(k)]] / simulated;
    meanSimulated += means[static_cast<std::size_t>(k)] / simulated;
  }
  for (int k = 0; k < simulated; ++k) {
    const int cell = candidates[static_cast<std::size_t>(k)];
    advice.expectedTotal[cell] = meanSearch + (1 - w) * (values[cell] - meanSearch) +
                                 w * (means[static_cast<std::size_t>(k)] - meanSimulated);
    if (advice.expectedTotal[cell] > advice.expectedTotal[advice.cell]) advice.cell = cell;
  }
  return advice;
}

}  // namespace marnelok
