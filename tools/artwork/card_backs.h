// SPDX-License-Identifier: GPL-3.0-or-later
// The two card backs of the deck stack.
#pragma once

#include <QImage>

namespace marnelok {

// 71x81 times `scale`: silver field, olive triangles at left and right, orange diagonal cross.
QImage regularCardBack(int scale = 1);
// 82x108 times `scale`: sky blue with white and grey clouds.
QImage largeCardBack(int scale = 1);

}  // namespace marnelok
