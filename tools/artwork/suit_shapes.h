// SPDX-License-Identifier: GPL-3.0-or-later
// Scalable suit outlines for the larger pictures (splash, donation header, icon).
#pragma once

#include <QPainterPath>
#include <QRectF>

#include "suit.h"

namespace marnelok {

// The suit figure filling `box` (its width and height), with a winding fill rule.
QPainterPath suitPath(Suit suit, const QRectF& box);

}  // namespace marnelok
