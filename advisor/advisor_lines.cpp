// SPDX-License-Identifier: GPL-3.0-or-later
// Line classes: the abstraction of a partial line that the advisor's table is indexed by.
#include "advisor_lines.h"

#include <algorithm>

#include "hand.h"

namespace marnelok::advisor {
namespace {

// Ranks (as a mask) that occur most often in the line, and how often that is.
std::uint16_t MostRepeatedRanks(const LineSummary& line, int& multiplicity) {
  multiplicity = 0;
  std::uint16_t mask = 0;
  for (unsigned bits = line.rankMask; bits != 0; bits &= bits - 1) {
    const int r = std::countr_zero(bits);
    const int n = static_cast<int>((line.rankCounts >> (4 * r)) & 15u);
    if (n > multiplicity) {
      multiplicity = n;
      mask = 0;
    }
    if (n == multiplicity) mask |= static_cast<std::uint16_t>(1u << r);
  }
  return mask;
}

int DistinctClass(const LineSummary& line, const UnseenSets& unseen) {
  const std::uint16_t have = line.rankMask;
  int flush = 0;  // 0: no flush possible; else 1 + the unseen cards of the suit
  int suit = -1;
  if (line.OneSuit()) {
    suit = std::countr_zero(static_cast<unsigned>(line.suitMask));
    flush = 1 + std::popcount(static_cast<unsigned>(unseen.suits[suit]));
  }
  int windows = 0;
  int straightFlush = 0;  // 1 a straight flush still possible, 2 the royal one
  for (std::uint16_t w : kStraightWindows) {
    if ((w & have) != have) continue;
    const std::uint16_t missing = w & static_cast<std::uint16_t>(~have);
    if ((missing & ~unseen.anySuit) != 0) continue;
    ++windows;
    if (suit >= 0 && (missing & ~unseen.suits[suit]) == 0)
      straightFlush = w == kRoyalWindow ? 2 : std::max(straightFlush, 1);
  }
  const int matches = std::min(6, unseen.CountOf(have));
  return (((flush * 5 + std::min(windows, 4)) * 3 + straightFlush) * 7) + matches;
}

int RepeatClass(const LineSummary& line, const UnseenSets& unseen) {
  int most = 0;
  const std::uint16_t top = MostRepeatedRanks(line, most);
  const int distinct = line.Distinct();
  // The seven shapes of two to four cards with a repeated rank.
  int shape = 0;
  if (line.cards == 2)
    shape = 0;  // pair
  else if (line.cards == 3)
    shape = distinct == 2 ? 1 : 2;  // pair + one, three
  else if (distinct == 3)
    shape = 3;  // pair + two
  else if (distinct == 2)
    shape = most == 2 ? 4 : 5;  // two pairs, three + one
  else
    shape = 6;  // four
  const int topMatches = std::min(4, unseen.CountOf(top));
  const int otherMatches =
      std::min(6, unseen.CountOf(static_cast<std::uint16_t>(line.rankMask & ~top)));
  return (shape * 5 + topMatches) * 7 + otherMatches;
}

}  // namespace

int CompleteLineClass(const LineSummary& line) {
  const int distinct = line.Distinct();
  if (distinct == 5) {
    bool run = false;
    for (std::uint16_t w : kStraightWindows) run = run || w == line.rankMask;
    if (line.OneSuit()) {
      if (line.rankMask == kRoyalWindow) return kRoyalFlush;
      return run ? kStraightFlush : kFlush;
    }
    return run ? kStraight : kNone;
  }
  if (distinct == 4) return kOnePair;
  int most = 0;
  MostRepeatedRanks(line, most);
  if (distinct == 3) return most == 3 ? kThreeOfAKind : kTwoPair;
  return most == 4 ? kFourOfAKind : kFullHouse;
}

int LineClass(const LineSummary& line, const UnseenSets& unseen) {
  if (line.cards == 0) return 0;
  if (line.Distinct() == line.cards)
    return 1 + (line.cards - 1) * kDistinctClasses + DistinctClass(line, unseen);
  return 1 + 4 * kDistinctClasses + RepeatClass(line, unseen);
}

int PhaseOf(int emptyCells) {
  // Fine near the end, where each remaining card decides a line; coarse early on.
  constexpr std::array<int, 25> kPhase = {0, 0, 1, 2, 3, 4, 4, 5, 5, 5, 6, 6, 6,
                                          6, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8};
  return kPhase[std::clamp(emptyCells, 0, 24)];
}

}  // namespace marnelok::advisor
