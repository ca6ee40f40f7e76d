// SPDX-License-Identifier: GPL-3.0-or-later
// The advisor's working board: the grid, its ten line summaries and the unseen cards, changed
// and restored card by card while the advisor looks ahead.
#pragma once

#include <array>
#include <cstdint>

#include "advisor_lines.h"
#include "game_state.h"
#include "line_class_table.h"
#include "position.h"

namespace marnelok::advisor {

// A small, fast generator of the advisor's own; the game's random source is never touched.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) {
    return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
  }

 private:
  std::uint64_t state_;
};

class SearchBoard {
 public:
  // The position's grid and unseen cards; its current card is not placed.
  SearchBoard(const Position& position, const LineClassTable& values);

  int Empties() const { return empties_; }
  std::uint32_t EmptyMask() const { return emptyMask_; }
  std::uint64_t Unseen() const { return unseen_; }

  void Place(int cell, int code);
  void Remove(int cell);
  void Draw(int code) { unseen_ &= ~CardBit(code); }
  void Undraw(int code) { unseen_ |= CardBit(code); }

  // Playing for the win: with a weight above 0, a position is worth its expected total plus
  // weight times its chance of a winning total, judged from each line's spread of final points
  // as if the lines were independent. 0, the default, values the expected total alone.
  void SetWinWeight(double weight, const LineClassTable& spread) {
    winWeight_ = weight;
    spread_ = &spread;
  }
  // What a final total is worth: the total, and the win weight for a winning one.
  double Worth(int total) const { return total + (total >= kWinningScore ? winWeight_ : 0.0); }

  // The exact total of a full grid.
  int FinalTotal() const;
  // Points of a complete line, else -1.
  int LinePoints(int line) const;
  // Where an incomplete line stands in the table at the current stage, else -1.
  int LineIndex(int line) const;
  // The position's worth as the table sees it: the expected final total (exact once the grid
  // is full), plus the win weight times the chance of winning.
  double Evaluate() const;
  // For every empty cell, the worth after code is placed there (other cells are left alone).
  // code must already be drawn.
  void EvaluatePlacements(int code, std::array<double, kGridCells>& out) const;
  // The cell the table prefers for code, without looking further ahead.
  int GreedyCell(int code) const;

 private:
  double LineValue(int line, const LineSummary& summary, const UnseenSets& unseen, int phase) const;
  // Change in an incomplete line's value, at the given stage, if code joined it.
  double PlacementGain(int line, int code, const UnseenSets& unseen, int phase) const;
  // A line's value and the variance of its final points (exact, and 0, once complete).
  void LineStats(int line, const LineSummary& summary, const UnseenSets& unseen, int phase,
                 double& mean, double& variance) const;
  // Expected total plus the win weight times the chance of winning, for a total expected to
  // be mean with the given variance.
  double WorthOf(double mean, double variance) const;

  const LineClassTable* values_;
  const LineClassTable* spread_ = nullptr;
  double winWeight_ = 0;
  std::array<int, kGridCells> cells_{};  // a card code, or 0 for an empty cell
  std::array<LineSummary, kLineCount> lines_{};
  std::uint64_t unseen_ = 0;
  std::uint32_t emptyMask_ = 0;
  int empties_ = 0;
};

// Plays the game to the end with the table's greedy choice, the cards coming in the order
// given (as many as there are empty cells); returns the final total.
int PlayOut(SearchBoard board, const int* nextCards);

// The chance that a normally distributed total with the given mean and variance reaches the
// winning score (a total is a whole number, so 149.5 is the line between).
double WinChance(double mean, double variance);

}  // namespace marnelok::advisor
