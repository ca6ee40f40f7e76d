// SPDX-License-Identifier: GPL-3.0-or-later
// The five-card hand evaluator.
#include "hand.h"

#include <algorithm>

#include "cards.h"

namespace marnelok {
namespace {

bool IsRun(const std::array<int, 5>& v) {
  for (int i = 1; i < 5; ++i)
    if (v[i] != v[i - 1] + 1) return false;
  return true;
}

}  // namespace

int EvaluateHand(int c1, int c2, int c3, int c4, int c5) {
  const std::array<int, 5> cards{c1, c2, c3, c4, c5};
  const int suit = CardSuit(c1);
  const bool flush =
      std::all_of(cards.begin(), cards.end(), [suit](int c) { return CardSuit(c) == suit; });

  // Values with the ace high: two is 1, ..., king 12, ace 13.
  std::array<int, 5> v{};
  for (int i = 0; i < 5; ++i) {
    const int rank = CardRank(cards[i]);
    v[i] = rank == 1 ? 13 : rank - 1;
  }
  std::sort(v.begin(), v.end());

  int pairs = 0;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j)
      if (v[i] == v[j]) ++pairs;

  constexpr std::array<int, 5> kTenToAce{9, 10, 11, 12, 13};
  constexpr std::array<int, 5> kAceToFive{1, 2, 3, 4, 13};  // the only run where the ace is low
  const bool run = IsRun(v) || v == kAceToFive;

  if (flush && v == kTenToAce) return kRoyalFlush;
  if (flush && run) return kStraightFlush;
  if ((v[0] == v[3]) || (v[1] == v[4])) return kFourOfAKind;
  if ((v[0] == v[1] && v[2] == v[4]) || (v[0] == v[2] && v[3] == v[4])) return kFullHouse;
  if (flush) return kFlush;
  if (run) return kStraight;
  if (pairs == 3) return kThreeOfAKind;
  if (pairs == 2) return kTwoPair;
  if (pairs == 1) return kOnePair;
  return kNone;
}

}  // namespace marnelok
