// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes, the random source and the shuffle.
#include "cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <thread>

#include "deck.h"
#include "random.h"

namespace marnelok {
namespace {

TEST(Cards, RankSuitAndLabelOfCodes) {
  struct Case {
    int code, rank, suit;
    const char* label;
  };
  const Case cases[] = {
      {1, 2, kHearts, "2"},    {9, 10, kHearts, "10"}, {10, 11, kHearts, "J"},
      {11, 12, kHearts, "Q"},  {12, 13, kHearts, "K"}, {13, 1, kHearts, "A"},
      {14, 2, kClubs, "2"},    {26, 1, kClubs, "A"},   {27, 2, kDiamonds, "2"},
      {39, 1, kDiamonds, "A"}, {40, 2, kSpades, "2"},  {52, 1, kSpades, "A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CardRank(c.code), c.rank) << c.code;
    EXPECT_EQ(CardSuit(c.code), c.suit) << c.code;
    EXPECT_EQ(RankLabel(CardRank(c.code)), c.label) << c.code;
  }
  // Every rank occurs four times, once per suit.
  std::array<int, 14> perRank{};
  for (int code = kFirstCard; code <= kLastCard; ++code) ++perRank[CardRank(code)];
  for (int rank = 1; rank <= 13; ++rank) EXPECT_EQ(perRank[rank], 4);
}

TEST(Random, SequenceFromSeedZeroRangeAndCopies) {
  RandomSource random(0);
  const int expected[] = {0, 1, 44, 10, 14, 34};
  EXPECT_EQ(random.RandomBelow(52), expected[0]);
  EXPECT_EQ(random, RandomSource(1));  // the seed after one step of the generator
  // A copy goes on with the same numbers without moving the original.
  RandomSource copy = random;
  for (int i = 1; i < 6; ++i) EXPECT_EQ(copy.RandomBelow(52), expected[i]) << i;
  EXPECT_EQ(random, RandomSource(1));
  for (int i = 1; i < 6; ++i) EXPECT_EQ(random.RandomBelow(52), expected[i]) << i;

  random = RandomSource(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int n = random.RandomBelow(52);
    ASSERT_GE(n, 0);
    ASSERT_LT(n, 52);
  }
  EXPECT_EQ(random.RandomBelow(1), 0);
  EXPECT_EQ(random.RandomBelow(0), 0);  // a degenerate range gives 0 rather than dividing by it
}

// Two runs of the program, seeded from the clock a moment apart, deal different games.
TEST(Random, RunsSeededFromTheClockDealDifferentGames) {
  RandomSource first;
  first.SeedRandom();
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  RandomSource second;
  second.SeedRandom();
  EXPECT_NE(ShuffleDeck(first), ShuffleDeck(second));
}

TEST(Deck, ShuffleFromSeedZeroIsReproducibleAndComplete) {
  RandomSource random(0);
  const Deck deck = ShuffleDeck(random);
  const int head[] = {31, 6, 51, 16, 2, 30, 36, 45};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(deck[k + 1], head[k]) << k + 1;

  // The shuffle consumes exactly 400 random numbers.
  RandomSource counted(0);
  for (int i = 0; i < 400; ++i) counted.RandomBelow(52);
  EXPECT_EQ(random, counted);

  for (std::uint32_t seed : {0u, 1u, 12345u, 0xDEADBEEFu}) {
    RandomSource a(seed), b(seed);
    const Deck one = ShuffleDeck(a);
    EXPECT_EQ(one, ShuffleDeck(b));
    std::vector<int> cards(one.begin() + 1, one.end());
    std::sort(cards.begin(), cards.end());
    std::vector<int> all(52);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(cards, all) << "seed " << seed;
  }
}

}  // namespace
}  // namespace marnelok
