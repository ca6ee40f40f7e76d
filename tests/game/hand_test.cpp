// SPDX-License-Identifier: GPL-3.0-or-later
// The hand evaluator and the hand table.
#include "hand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "cards.h"

namespace marnelok {
namespace {

// Card code from a rank (1 = ace ... 13 = king) and a suit.
constexpr int Card(int rank, int suit) { return (suit - 1) * 13 + (rank == 1 ? 13 : rank - 1); }

TEST(Hand, NamedHandsInEveryOrder) {
  struct Case {
    std::array<int, 5> cards;
    int expected;
    const char* what;
  };
  const Case cases[] = {
      {{9, 10, 11, 12, 13}, kRoyalFlush, "ten to ace of hearts"},
      {{8, 9, 10, 11, 12}, kStraightFlush, "nine to king of hearts"},
      {{52, 40, 41, 42, 43}, kStraightFlush, "ace to five of spades"},
      {{Card(1, 4), Card(2, 1), Card(3, 4), Card(4, 4), Card(5, 4)}, kStraight, "wheel, mixed"},
      {{Card(10, 1), Card(11, 2), Card(12, 1), Card(13, 1), Card(1, 1)},
       kStraight,
       "ten-ace mixed"},
      {{Card(12, 1), Card(13, 2), Card(1, 1), Card(2, 1), Card(3, 1)}, kNone, "no wrap-around"},
      {{Card(12, 1), Card(13, 1), Card(1, 1), Card(2, 1), Card(3, 1)}, kFlush, "wrap, one suit"},
      {{Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4), Card(13, 1)}, kFourOfAKind, "four aces"},
      {{Card(2, 1), Card(2, 2), Card(2, 3), Card(2, 4), Card(13, 1)}, kFourOfAKind, "four twos"},
      {{Card(13, 1), Card(13, 2), Card(13, 3), Card(2, 1), Card(2, 2)}, kFullHouse, "kings full"},
      {{Card(13, 1), Card(13, 2), Card(2, 3), Card(2, 1), Card(2, 2)}, kFullHouse, "twos full"},
      {{Card(2, 1), Card(5, 1), Card(7, 1), Card(9, 1), Card(11, 1)}, kFlush, "heart flush"},
      {{Card(2, 1), Card(3, 2), Card(4, 1), Card(5, 1), Card(6, 1)}, kStraight, "low straight"},
      {{Card(7, 1), Card(7, 2), Card(7, 3), Card(2, 1), Card(9, 4)}, kThreeOfAKind, "trips"},
      {{Card(7, 1), Card(7, 2), Card(9, 3), Card(9, 1), Card(3, 4)}, kTwoPair, "two pair"},
      {{Card(7, 1), Card(7, 2), Card(9, 3), Card(4, 1), Card(3, 4)}, kOnePair, "one pair"},
      {{Card(7, 1), Card(8, 2), Card(9, 3), Card(10, 1), Card(12, 4)}, kNone, "nothing"},
  };
  for (const auto& c : cases) {
    auto cards = c.cards;
    std::sort(cards.begin(), cards.end());
    do {
      ASSERT_EQ(EvaluateHand(cards[0], cards[1], cards[2], cards[3], cards[4]), c.expected)
          << c.what;
    } while (std::next_permutation(cards.begin(), cards.end()));
  }
}

TEST(Hand, TableNamesArePaddedToTwentyAndCarryTheirPoints) {
  // The panel draws the names whole, padding included, so each is 20 characters; each but
  // "None" ends with the points it scores, and a better hand scores more.
  EXPECT_EQ(std::string(kHandTable[kNone].name), "None                ");
  EXPECT_EQ(kHandTable[kNone].points, 0);
  for (int h = kOnePair; h < kHandClassCount; ++h) {
    const std::string name(kHandTable[h].name);
    EXPECT_EQ(name.size(), 20u) << h;
    const std::string text = name.substr(0, name.find_last_not_of(' ') + 1);
    EXPECT_TRUE(text.ends_with(" (" + std::to_string(kHandTable[h].points) + ")")) << name;
    EXPECT_GT(kHandTable[h].points, kHandTable[h - 1].points) << name;
  }
}

TEST(Hand, ClassCountsOverEveryFiveCardHand) {
  std::array<long, kHandClassCount> counts{};
  for (int a = 1; a <= 52; ++a)
    for (int b = a + 1; b <= 52; ++b)
      for (int c = b + 1; c <= 52; ++c)
        for (int d = c + 1; d <= 52; ++d)
          for (int e = d + 1; e <= 52; ++e) ++counts[EvaluateHand(a, b, c, d, e)];
  const std::array<long, kHandClassCount> expected{1302540, 1098240, 123552, 54912, 10200,
                                                   5108,    3744,    624,    36,    4};
  EXPECT_EQ(counts, expected);
}

}  // namespace
}  // namespace marnelok
