// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the rules classify hands and score a board.
#include <benchmark/benchmark.h>

#include "board.h"
#include "deck.h"
#include "hand.h"
#include "random.h"

namespace marnelok {
namespace {

void BM_ClassifyEveryHand(benchmark::State& state) {
  for (auto _ : state) {
    long sum = 0;
    for (int a = 1; a <= 52; ++a)
      for (int b = a + 1; b <= 52; ++b)
        for (int c = b + 1; c <= 52; ++c)
          for (int d = c + 1; d <= 52; ++d)
            for (int e = d + 1; e <= 52; ++e) sum += EvaluateHand(a, b, c, d, e);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 2598960);
}
BENCHMARK(BM_ClassifyEveryHand)->Unit(benchmark::kMillisecond);

void BM_ScoreFullBoard(benchmark::State& state) {
  GameState s;
  RandomSource random(1);
  s.deck = ShuffleDeck(random);
  for (int c = 2; c <= 6; ++c)
    for (int r = 1; r <= 5; ++r) s.board[c][r] = s.deck[(c - 2) * 5 + r];
  for (auto _ : state) {
    ComputeLineResults(s);
    benchmark::DoNotOptimize(s.totalScore);
  }
}
BENCHMARK(BM_ScoreFullBoard);

void BM_Shuffle(benchmark::State& state) {
  RandomSource random;
  for (auto _ : state) {
    Deck deck = ShuffleDeck(random);
    benchmark::DoNotOptimize(deck);
  }
}
BENCHMARK(BM_Shuffle);

}  // namespace
}  // namespace marnelok
