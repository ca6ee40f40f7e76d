// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the move advisor's line values by self-play, from fixed seeds, and writes them to a
// file, with their spread to another.
//
// Each seed learns a table of its own by on-policy Monte Carlo: the player places every card
// where the table being learned says, and every line's final points are averaged into the
// table entries that the line passed through. The seeds' tables are then compared on the same
// held-out deals and the best one is written, then the spread of the lines' final points
// around each entry when the player follows it.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "advisor_board.h"
#include "line_class_table.h"

namespace marnelok::advisor {
namespace {

struct Options {
  int seeds = 10;
  int firstSeed = 1;
  long games = 200000;
  int heldOutGames = 20000;
  double minStep = 1.0 / 4000;
  double explore = 0.05;  // share of placements made at random while learning
  std::string output = "advisor/line_values.bin";
  long spreadGames = 500000;
  std::string spreadOutput = "advisor/line_spread.bin";
};

// The first 25 cards of a shuffled deck.
std::array<int, kGridCells> Deal(SplitMix64& random) {
  std::array<int, kCardsInDeck> deck{};
  std::iota(deck.begin(), deck.end(), 1);
  for (int i = 0; i < kGridCells; ++i)
    std::swap(deck[static_cast<std::size_t>(i)],
              deck[static_cast<std::size_t>(i + random.Below(kCardsInDeck - i))]);
  std::array<int, kGridCells> cards{};
  std::copy(deck.begin(), deck.begin() + kGridCells, cards.begin());
  return cards;
}

Position EmptyGrid() {
  std::array<int, kGridCells> cells{};
  cells.fill(kEmptySlotCode);
  return MakePosition(cells, kBlankCode);
}

// Plays one game with the table's greedy choice, showing visit each table entry that a line
// passes through; returns the full grid.
template <typename Visit>
SearchBoard PlayGame(const LineClassTable& table, const std::array<int, kGridCells>& cards,
                     Visit visit, SplitMix64* random = nullptr, double explore = 0) {
  SearchBoard board(EmptyGrid(), table);
  for (int code : cards) {
    board.Draw(code);
    int cell = board.GreedyCell(code);
    if (random != nullptr && explore > 0 &&
        static_cast<double>(random->Next() >> 11) * 0x1.0p-53 < explore) {
      const int k = random->Below(board.Empties());
      std::uint32_t mask = board.EmptyMask();
      for (int i = 0; i < k; ++i) mask &= mask - 1;
      cell = std::countr_zero(mask);
    }
    board.Place(cell, code);
    for (int line = 0; line < kLineCount; ++line)
      if (const int index = board.LineIndex(line); index >= 0) visit(index, line);
  }
  return board;
}

void Learn(LineClassTable& table, std::uint64_t seed, const Options& o) {
  std::vector<std::uint32_t> visits(LineClassTable::kEntries, 0);
  std::vector<std::pair<int, int>> path;
  SplitMix64 random(seed);
  for (long g = 0; g < o.games; ++g) {
    path.clear();
    const auto cards = Deal(random);
    const SearchBoard board = PlayGame(
        table, cards, [&](int index, int line) { path.emplace_back(index, line); }, &random,
        o.explore);
    for (auto [index, line] : path) {
      const double step = std::max(1.0 / ++visits[static_cast<std::size_t>(index)], o.minStep);
      float& v = table.At(index);
      v += static_cast<float>(step * (board.LinePoints(line) - v));
    }
  }
}

// The standard deviation of each entry's final line points when the player follows table.
LineClassTable MeasureSpread(const LineClassTable& table, long games) {
  std::vector<double> count(LineClassTable::kEntries, 0), sum(LineClassTable::kEntries, 0),
      squares(LineClassTable::kEntries, 0);
  std::vector<std::pair<int, int>> path;
  SplitMix64 random(0x5B7EADull);
  for (long g = 0; g < games; ++g) {
    path.clear();
    const SearchBoard board =
        PlayGame(table, Deal(random), [&](int index, int line) { path.emplace_back(index, line); });
    for (auto [index, line] : path) {
      const auto i = static_cast<std::size_t>(index);
      const double points = board.LinePoints(line);
      count[i] += 1;
      sum[i] += points;
      squares[i] += points * points;
    }
  }
  LineClassTable spread;
  for (std::size_t i = 0; i < count.size(); ++i) {
    if (count[i] < 2) continue;
    const double mean = sum[i] / count[i];
    spread.At(static_cast<int>(i)) =
        static_cast<float>(std::sqrt(std::max(0.0, squares[i] / count[i] - mean * mean)));
  }
  return spread;
}

bool Write(const LineClassTable& table, const std::string& path) {
  const std::vector<std::uint8_t> bytes = table.Save();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "could not write %s\n", path.c_str());
  return static_cast<bool>(out);
}

double HeldOutMean(const LineClassTable& table, int games) {
  SplitMix64 random(0x5EEDF00Dull);  // the same deals for every candidate table
  long total = 0;
  for (int g = 0; g < games; ++g)
    total += PlayGame(table, Deal(random), [](int, int) {}).FinalTotal();
  return static_cast<double>(total) / games;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const char* value = argv[i + 1];
    if (!std::strcmp(argv[i], "--seeds"))
      o.seeds = std::atoi(value);
    else if (!std::strcmp(argv[i], "--games"))
      o.games = std::atol(value);
    else if (!std::strcmp(argv[i], "--held-out"))
      o.heldOutGames = std::atoi(value);
    else if (!std::strcmp(argv[i], "--min-step"))
      o.minStep = std::atof(value);
    else if (!std::strcmp(argv[i], "--explore"))
      o.explore = std::atof(value);
    else if (!std::strcmp(argv[i], "--first-seed"))
      o.firstSeed = std::atoi(value);
    else if (!std::strcmp(argv[i], "--output"))
      o.output = value;
    else if (!std::strcmp(argv[i], "--spread-games"))
      o.spreadGames = std::atol(value);
    else if (!std::strcmp(argv[i], "--spread-output"))
      o.spreadOutput = value;
    else
      return false;
  }
  return argc % 2 == 1 && o.seeds > 0 && o.games > 0 && o.heldOutGames > 0 && o.minStep > 0 &&
         o.spreadGames > 0;
}

}  // namespace
}  // namespace marnelok::advisor

int main(int argc, char** argv) {
  using namespace marnelok::advisor;
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: %s [--seeds N] [--first-seed S] [--games N] [--held-out N] "
                 "[--min-step X] [--explore P] [--output FILE] [--spread-games N] "
                 "[--spread-output FILE]\n",
                 argv[0]);
    return 2;
  }
  LineClassTable best;
  double bestMean = -1;
  for (int s = o.firstSeed; s < o.firstSeed + o.seeds; ++s) {
    LineClassTable table;
    Learn(table, static_cast<std::uint64_t>(s), o);
    const double mean = HeldOutMean(table, o.heldOutGames);
    std::printf("seed %d: held-out mean %.2f\n", s, mean);
    std::fflush(stdout);
    if (mean > bestMean) {
      bestMean = mean;
      best = table;
    }
  }
  if (!Write(best, o.output)) return 1;
  std::printf("best held-out mean %.2f, written to %s\n", bestMean, o.output.c_str());
  // The spread is measured with the table as the game reads it back.
  LineClassTable stored;
  stored.Load(best.Save());
  if (!Write(MeasureSpread(stored, o.spreadGames), o.spreadOutput)) return 1;
  std::printf("spread of %ld games written to %s\n", o.spreadGames, o.spreadOutput.c_str());
  return 0;
}
