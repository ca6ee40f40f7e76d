// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: a five-by-five grid of cards on green felt.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include "suit.h"

namespace marnelok {

// Colours the drawings at every size share: the tile's rim, the middle row's cards and their
// red hearts.
inline constexpr QRgb kIconRim = qRgb(6, 52, 22);
inline constexpr QRgb kIconCream = qRgb(255, 252, 210);
inline constexpr QRgb kIconRed = qRgb(220, 0, 0);

// The suit of the card in `column` and `row` (0 to 4): the middle row is all hearts.
Suit appIconSuit(int column, int row);

// A square ARGB image of `size` pixels, transparent outside the rounded felt tile.
QImage appIcon(int size);

// The same drawing as a scalable SVG document of 256 by 256 pixels.
QByteArray appIconSvg();

}  // namespace marnelok
