// SPDX-License-Identifier: GPL-3.0-or-later
// A small playing card painted with vectors, for the pictures that show cards in a scene.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "suit.h"

namespace marnelok {

struct MiniCard {
  QString rank;  // "A", "K", "10", ...
  Suit suit;
};

// Paints the card into `rect` in the painter's current coordinates, so a caller rotates or
// scales the painter to fan cards. A soft shadow falls to the lower right.
void drawMiniCard(QPainter& p, const QRectF& rect, const MiniCard& card);

}  // namespace marnelok
