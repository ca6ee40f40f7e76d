// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes: 1 to 52 are the cards, a handful of other values mark cells without a card.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace marnelok {

// A cell holds a card exactly when its code is below kEmptySlotCode.
inline constexpr int kDeckCode = 0;           // the deck position while cards remain
inline constexpr int kEmptySlotCode = 53;     // a grid cell waiting for a card
inline constexpr int kNextGameTileCode = 77;  // the deck position once the game is over
inline constexpr int kBlankCode = 90;         // the current-card position once the game is over
inline constexpr int kVoidCode = 99;          // a cell that shows nothing

inline constexpr int kFirstCard = 1;
inline constexpr int kLastCard = 52;
inline constexpr int kCardsInDeck = 52;

enum Suit : int { kHearts = 1, kClubs = 2, kDiamonds = 3, kSpades = 4 };

// Rank 1 is the ace, 2 to 10 the number cards, 11 jack, 12 queen, 13 king.
// Within a suit the codes run from the two (code mod 13 == 1) up to the ace.
constexpr int CardRank(int code) { return code % 13 + 1; }
constexpr int CardSuit(int code) { return (code - 1) / 13 + 1; }
constexpr bool IsCard(int code) { return code >= kFirstCard && code <= kLastCard; }
constexpr bool IsRedSuit(int suit) { return suit == kHearts || suit == kDiamonds; }

// The index shown in a card's corners: "A", "2" to "10", "J", "Q", "K"; empty for a number
// that is no rank.
constexpr std::string_view RankLabel(int rank) {
  constexpr std::array<std::string_view, 14> kLabels{"",  "A", "2", "3",  "4", "5", "6",
                                                     "7", "8", "9", "10", "J", "Q", "K"};
  return rank >= 1 && rank <= 13 ? kLabels[static_cast<std::size_t>(rank)] : std::string_view();
}

}  // namespace marnelok
