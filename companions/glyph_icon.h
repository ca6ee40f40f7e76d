// SPDX-License-Identifier: GPL-3.0-or-later
// Button glyphs kept as one strip of images side by side: the left half is the normal glyph,
// the right half the disabled one, and the bottom-left pixel of each half is its transparent
// colour.
#pragma once

#include <QIcon>
#include <QImage>

namespace marnelok {

// One half of the strip with its transparent colour made transparent.
QImage GlyphHalf(const QImage& strip, int half);

// An icon with the normal and disabled glyphs; empty when the strip is missing. `doubled`, the
// strip at twice the size with a device pixel ratio of 2, serves screens scaled above 1.
QIcon GlyphIcon(const QImage& strip, const QImage& doubled = QImage());

}  // namespace marnelok
