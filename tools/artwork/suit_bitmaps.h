// The eight face bitmaps of the card renderer: a large suit symbol and a small pip per suit.
#pragma once

#include <QImage>

#include "suit.h"

namespace marnelok {

// Hearts and spades 21x23, clubs 23x23, diamonds 19x23.
QImage suitSymbol(Suit suit);
// 9x9, clubs 9x10.
QImage suitPip(Suit suit);

}  // namespace marnelok
