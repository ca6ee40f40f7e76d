// SPDX-License-Identifier: GPL-3.0-or-later
// The advisor's view of one line: a running summary of its cards and the class it falls in.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace marnelok::advisor {

// Rank index 0 is the two, 8 the ten, 12 the ace, in the order the codes run within a suit;
// suit index 0 to 3 follows the code blocks.
constexpr int RankIndex(int code) { return (code - 1) % 13; }
constexpr int SuitIndex(int code) { return (code - 1) / 13; }

inline constexpr int kLineCount = 10;  // lines 0 to 4 are the rows, 5 to 9 the columns
constexpr int RowLine(int cell) { return cell / 5; }
constexpr int ColumnLine(int cell) { return 5 + cell % 5; }
constexpr bool IsColumnLine(int line) { return line >= 5; }

// What a line holds so far; adding and taking back a card are a few bit operations.
struct LineSummary {
  std::uint64_t rankCounts = 0;  // four bits per rank index
  std::uint16_t rankMask = 0;
  std::uint8_t suitMask = 0;
  std::uint8_t cards = 0;

  void Add(int code) {
    const int r = RankIndex(code);
    rankCounts += std::uint64_t{1} << (4 * r);
    rankMask |= static_cast<std::uint16_t>(1u << r);
    suitMask |= static_cast<std::uint8_t>(1u << SuitIndex(code));
    ++cards;
  }
  // suitMask cannot be undone bit by bit, so the caller passes the line's remaining suits.
  void Remove(int code, std::uint8_t remainingSuits) {
    const int r = RankIndex(code);
    rankCounts -= std::uint64_t{1} << (4 * r);
    if (((rankCounts >> (4 * r)) & 15u) == 0)
      rankMask = static_cast<std::uint16_t>(rankMask & ~(1u << r));
    suitMask = remainingSuits;
    --cards;
  }
  int Distinct() const { return std::popcount(static_cast<unsigned>(rankMask)); }
  bool OneSuit() const { return std::popcount(static_cast<unsigned>(suitMask)) == 1; }
};

// The ten five-rank windows that make a straight, as rank-index masks; the last is ten to ace.
inline constexpr std::array<std::uint16_t, 10> kStraightWindows = {
    0x100F, 0x001F, 0x003E, 0x007C, 0x00F8, 0x01F0, 0x03E0, 0x07C0, 0x0F80, 0x1F00};
inline constexpr std::uint16_t kRoyalWindow = 0x1F00;

// The hand class (HandClass values) of a line of five cards.
int CompleteLineClass(const LineSummary& line);

// The cards that may still come, split by suit: bit i of suits[s] is rank index i of suit s.
struct UnseenSets {
  std::array<std::uint16_t, 4> suits{};
  std::uint16_t anySuit = 0;  // ranks of which at least one card is unseen

  explicit UnseenSets(std::uint64_t unseen) {
    for (int s = 0; s < 4; ++s) {
      suits[s] = static_cast<std::uint16_t>((unseen >> (13 * s)) & 0x1FFF);
      anySuit |= suits[s];
    }
  }
  int CountOf(std::uint16_t rankMask) const {
    int n = 0;
    for (std::uint16_t s : suits) n += std::popcount(static_cast<unsigned>(s & rankMask));
    return n;
  }
};

// The class of an incomplete line: which ranks repeat, whether a flush and which straights are
// still open, how many unseen cards pair its ranks. Values index a LineClassTable.
inline constexpr int kDistinctClasses = 14 * 5 * 3 * 7;  // per card count 1 to 4
inline constexpr int kRepeatClasses = 7 * 5 * 7;
inline constexpr int kLineClasses = 1 + 4 * kDistinctClasses + kRepeatClasses;
int LineClass(const LineSummary& line, const UnseenSets& unseen);

// Stages of the game by the cells still empty after a placement (1 to 24).
inline constexpr int kPhaseCount = 9;
int PhaseOf(int emptyCells);

}  // namespace marnelok::advisor
