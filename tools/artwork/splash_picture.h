// SPDX-License-Identifier: GPL-3.0-or-later
// The 280x140 picture of the splash and About window.
#pragma once

#include <QImage>

namespace marnelok {

// True colour; the caller reduces it to 256 colors. The window lays transparent labels over
// it: the product name in (8,32)-(271,57), the edition in (8,56)-(273,78), the home-page link
// in (66,112)-(215,125) and, in About mode, an "X" button at (258,6) 16x16. The picture keeps
// a light, quiet panel behind the three labels so that black and blue text reads well.
// `scale` multiplies the size; the positions above are in 280x140 picture pixels.
QImage splashPicture(int scale = 1);

}  // namespace marnelok
