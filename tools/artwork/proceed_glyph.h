// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph of the donation dialog's "Proceed" button.
#pragma once

#include <QImage>

namespace marnelok {

// 48x24 times `scale`, two square halves side by side: the normal image on the left, the
// disabled (greyed) image on the right. Transparency follows the Windows glyph convention: in each
// half, every pixel of the colour of that half's bottom-left pixel is transparent. Here that colour
// is magenta (255,0,255), which the figure itself never uses. The result is true colour with at
// most a handful of colors; the caller stores it with 8 bits per pixel.
QImage proceedGlyph(int scale = 1);

inline constexpr QRgb kGlyphTransparent = 0xffff00ff;

}  // namespace marnelok
