// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a true-colour picture into an 8-bit one with a full 256-colour palette.
#pragma once

#include <QImage>

namespace marnelok {

// Exact when the picture has at most 256 colors; otherwise a median-cut palette with every
// pixel mapped to its nearest entry. The palette always has 256 entries (unused ones black),
// because the game's 8-bit pictures each carry a full 256-colour palette.
QImage toIndexed256(const QImage& picture);

}  // namespace marnelok
