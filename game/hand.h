// SPDX-License-Identifier: GPL-3.0-or-later
// Poker hands: the hand table (names and points) and the five-card evaluator.
#pragma once

#include <array>
#include <string_view>

namespace marnelok {

// Hand classes, 0 (None) to 9 (Royal Flush); they index the hand table.
enum HandClass : int {
  kNone = 0,
  kOnePair = 1,
  kTwoPair = 2,
  kThreeOfAKind = 3,
  kStraight = 4,
  kFlush = 5,
  kFullHouse = 6,
  kFourOfAKind = 7,
  kStraightFlush = 8,
  kRoyalFlush = 9,
};
inline constexpr int kHandClassCount = 10;

struct HandInfo {
  // Exactly 20 characters: the visible name padded with spaces, so that a new name
  // drawn with an opaque background covers the old one completely.
  std::string_view name;
  int points;
};

inline constexpr std::array<HandInfo, kHandClassCount> kHandTable{{
    {"None                ", 0},
    {"One Pair (2)        ", 2},
    {"Two Pair (5)        ", 5},
    {"Three of a kind (10)", 10},
    {"Straight (15)       ", 15},
    {"Flush (20)          ", 20},
    {"Full House (25)     ", 25},
    {"Four of a kind (50) ", 50},
    {"Straight Flush (75) ", 75},
    {"Royal Flush (100)   ", 100},
}};

// Classifies five distinct card codes (1 to 52); the order of the cards does not matter.
int EvaluateHand(int c1, int c2, int c3, int c4, int c5);

}  // namespace marnelok
