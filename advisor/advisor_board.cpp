// SPDX-License-Identifier: GPL-3.0-or-later
// The advisor's working board.
#include "advisor_board.h"

#include <bit>
#include <cmath>

#include "hand.h"

namespace marnelok::advisor {

SearchBoard::SearchBoard(const Position& position, const LineClassTable& values)
    : values_(&values), unseen_(position.unseen) {
  for (int cell = 0; cell < kGridCells; ++cell) {
    const int code = position.cells[cell];
    if (IsCard(code)) {
      cells_[cell] = code;
      lines_[RowLine(cell)].Add(code);
      lines_[ColumnLine(cell)].Add(code);
    } else {
      emptyMask_ |= 1u << cell;
      ++empties_;
    }
  }
}

void SearchBoard::Place(int cell, int code) {
  cells_[cell] = code;
  lines_[RowLine(cell)].Add(code);
  lines_[ColumnLine(cell)].Add(code);
  emptyMask_ &= ~(1u << cell);
  --empties_;
}

void SearchBoard::Remove(int cell) {
  const int code = cells_[cell];
  cells_[cell] = 0;
  emptyMask_ |= 1u << cell;
  ++empties_;
  std::uint8_t rowSuits = 0;
  std::uint8_t columnSuits = 0;
  const int row = cell / 5;
  const int column = cell % 5;
  for (int i = 0; i < 5; ++i) {
    if (const int c = cells_[row * 5 + i]; c != 0) rowSuits |= 1u << SuitIndex(c);
    if (const int c = cells_[i * 5 + column]; c != 0) columnSuits |= 1u << SuitIndex(c);
  }
  lines_[RowLine(cell)].Remove(code, rowSuits);
  lines_[ColumnLine(cell)].Remove(code, columnSuits);
}

int SearchBoard::FinalTotal() const {
  int total = 0;
  for (const LineSummary& line : lines_)
    if (line.cards == 5) total += kHandTable[CompleteLineClass(line)].points;
  return total;
}

int SearchBoard::LinePoints(int line) const {
  return lines_[line].cards == 5 ? kHandTable[CompleteLineClass(lines_[line])].points : -1;
}

int SearchBoard::LineIndex(int line) const {
  if (lines_[line].cards == 5) return -1;
  return LineClassTable::Index(IsColumnLine(line), PhaseOf(empties_),
                               LineClass(lines_[line], UnseenSets(unseen_)));
}

double SearchBoard::LineValue(int line, const LineSummary& summary, const UnseenSets& unseen,
                              int phase) const {
  if (summary.cards == 5) return kHandTable[CompleteLineClass(summary)].points;
  return values_->Value(
      LineClassTable::Index(IsColumnLine(line), phase, LineClass(summary, unseen)));
}

void SearchBoard::LineStats(int line, const LineSummary& summary, const UnseenSets& unseen,
                            int phase, double& mean, double& variance) const {
  if (summary.cards == 5) {
    mean = kHandTable[CompleteLineClass(summary)].points;
    variance = 0;
    return;
  }
  const int index = LineClassTable::Index(IsColumnLine(line), phase, LineClass(summary, unseen));
  mean = values_->Value(index);
  const double spread = spread_->Value(index);
  variance = spread * spread;
}

double SearchBoard::WorthOf(double mean, double variance) const {
  return mean + winWeight_ * WinChance(mean, variance);
}

double SearchBoard::Evaluate() const {
  if (empties_ == 0) return Worth(FinalTotal());
  const UnseenSets unseen(unseen_);
  const int phase = PhaseOf(empties_);
  double total = 0;
  if (winWeight_ > 0) {
    double variance = 0;
    for (int line = 0; line < kLineCount; ++line) {
      double mean = 0, lineVariance = 0;
      LineStats(line, lines_[line], unseen, phase, mean, lineVariance);
      total += mean;
      variance += lineVariance;
    }
    return WorthOf(total, variance);
  }
  for (int line = 0; line < kLineCount; ++line)
    total += LineValue(line, lines_[line], unseen, phase);
  return total;
}

double SearchBoard::PlacementGain(int line, int code, const UnseenSets& unseen, int phase) const {
  LineSummary after = lines_[line];
  after.Add(code);
  return LineValue(line, after, unseen, phase) - LineValue(line, lines_[line], unseen, phase);
}

void SearchBoard::EvaluatePlacements(int code, std::array<double, kGridCells>& out) const {
  if (empties_ == 1) {
    SearchBoard full = *this;
    const int cell = std::countr_zero(emptyMask_);
    full.Place(cell, code);
    out[cell] = Worth(full.FinalTotal());
    return;
  }
  const UnseenSets unseen(unseen_);
  const int phase = PhaseOf(empties_ - 1);
  // A placement changes its row and its column only, so each line's gain is worked out once.
  std::array<double, kLineCount> gain{};
  std::array<double, kLineCount> varianceGain{};
  double base = 0;
  double baseVariance = 0;
  for (int line = 0; line < kLineCount; ++line) {
    if (lines_[line].cards == 5) {
      base += LineValue(line, lines_[line], unseen, phase);
      continue;
    }
    LineSummary with = lines_[line];
    with.Add(code);
    double now = 0;
    double after = 0;
    if (winWeight_ > 0) {
      double variance = 0;
      double afterVariance = 0;
      LineStats(line, lines_[line], unseen, phase, now, variance);
      LineStats(line, with, unseen, phase, after, afterVariance);
      baseVariance += variance;
      varianceGain[line] = afterVariance - variance;
    } else {
      now = LineValue(line, lines_[line], unseen, phase);
      after = LineValue(line, with, unseen, phase);
    }
    base += now;
    gain[line] = after - now;
  }
  for (std::uint32_t bits = emptyMask_; bits != 0; bits &= bits - 1) {
    const int cell = std::countr_zero(bits);
    const int row = RowLine(cell);
    const int column = ColumnLine(cell);
    out[cell] = base + gain[row] + gain[column];
    if (winWeight_ > 0)
      out[cell] = WorthOf(out[cell], baseVariance + varianceGain[row] + varianceGain[column]);
  }
}

int SearchBoard::GreedyCell(int code) const {
  if (empties_ == 1) return std::countr_zero(emptyMask_);
  if (winWeight_ > 0) {
    std::array<double, kGridCells> worth{};
    EvaluatePlacements(code, worth);
    int best = -1;
    for (std::uint32_t bits = emptyMask_; bits != 0; bits &= bits - 1) {
      const int cell = std::countr_zero(bits);
      if (best < 0 || worth[cell] > worth[best]) best = cell;
    }
    return best;
  }
  const UnseenSets unseen(unseen_);
  const int phase = PhaseOf(empties_ - 1);
  std::array<double, kLineCount> gain{};
  for (int line = 0; line < kLineCount; ++line)
    if (lines_[line].cards < 5) gain[line] = PlacementGain(line, code, unseen, phase);
  int best = -1;
  double bestGain = 0;
  for (std::uint32_t bits = emptyMask_; bits != 0; bits &= bits - 1) {
    const int cell = std::countr_zero(bits);
    const double g = gain[RowLine(cell)] + gain[ColumnLine(cell)];
    if (best < 0 || g > bestGain) {
      best = cell;
      bestGain = g;
    }
  }
  return best;
}

namespace {

// The normal distribution's upper tail, tabulated: the simulated games ask for it at every
// empty cell of every placement.
class UpperTail {
 public:
  UpperTail() {
    for (int i = 0; i <= kSteps; ++i)
      values_[static_cast<std::size_t>(i)] =
          0.5 * std::erfc((-kRange + i * (2 * kRange / kSteps)) / std::sqrt(2.0));
  }
  // The chance that a standard normal value is at least z.
  double operator()(double z) const {
    if (z <= -kRange) return 1.0;
    if (z >= kRange) return 0.0;
    const double x = (z + kRange) * (kSteps / (2 * kRange));
    const int i = static_cast<int>(x);
    const double f = x - i;
    return values_[static_cast<std::size_t>(i)] * (1 - f) +
           values_[static_cast<std::size_t>(i) + 1] * f;
  }

 private:
  static constexpr int kSteps = 4096;
  static constexpr double kRange = 8.0;
  std::array<double, kSteps + 1> values_{};
};

}  // namespace

double WinChance(double mean, double variance) {
  static const UpperTail kUpperTail;
  constexpr double kLine = kWinningScore - 0.5;
  if (variance <= 0) return mean >= kLine ? 1.0 : 0.0;
  return kUpperTail((kLine - mean) / std::sqrt(variance));
}

int PlayOut(SearchBoard board, const int* nextCards) {
  while (board.Empties() > 0) {
    const int code = *nextCards++;
    board.Draw(code);
    board.Place(board.GreedyCell(code), code);
  }
  return board.FinalTotal();
}

}  // namespace marnelok::advisor
