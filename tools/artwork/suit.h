// SPDX-License-Identifier: GPL-3.0-or-later
// The four suits as the artwork sees them, and the two ink colors of the card faces.
#pragma once

#include <QRgb>

namespace marnelok {

enum class Suit { Hearts, Clubs, Diamonds, Spades };

inline constexpr QRgb kCardWhite = 0xffffffff;
inline constexpr QRgb kInkRed = 0xffff0000;
inline constexpr QRgb kInkBlack = 0xff000000;

constexpr bool isRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }
constexpr QRgb inkOf(Suit suit) { return isRed(suit) ? kInkRed : kInkBlack; }

}  // namespace marnelok
