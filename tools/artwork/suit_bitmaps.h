// SPDX-License-Identifier: GPL-3.0-or-later
// The eight face bitmaps of the card renderer: a large suit symbol and a small pip per suit.
#pragma once

#include <QImage>

#include "suit.h"

namespace marnelok {

// Hearts and spades 21x23, clubs 23x23, diamonds 19x23, times `scale`. At scale 1 the
// figures are drawn pixel by pixel; larger ones fill the suit outline into the box that the
// pixel figure inks, so both sizes sit alike on a card.
QImage suitSymbol(Suit suit, int scale = 1);
// 9x9, clubs 9x10, times `scale`.
QImage suitPip(Suit suit, int scale = 1);

}  // namespace marnelok
