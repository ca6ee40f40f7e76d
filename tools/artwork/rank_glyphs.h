// SPDX-License-Identifier: GPL-3.0-or-later
// Card index letters drawn pixel by pixel, for cards too small for a typeface to stay sharp.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

namespace marnelok {

// "A", "K", "Q", "J" or "10" in `ink` on a transparent ground, 6 pixels tall.
// Throws std::invalid_argument for any other text.
QImage rankGlyph(const QString& rank, QRgb ink);

}  // namespace marnelok
