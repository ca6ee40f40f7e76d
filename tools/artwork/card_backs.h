// The two card backs of the deck stack.
#pragma once

#include <QImage>

namespace marnelok {

// 71x81: silver field, olive triangles at left and right, orange diagonal cross.
QImage regularCardBack();
// 82x108: sky blue with white and grey clouds.
QImage largeCardBack();

}  // namespace marnelok
