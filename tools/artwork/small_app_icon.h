// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon at the small sizes of menus and task bars, drawn pixel by pixel.
#pragma once

#include <QImage>

namespace marnelok {

// The sizes that have a drawing of their own; larger ones scale the 256-unit drawing.
inline constexpr int kSmallIconSizes[] = {16, 22, 24, 32};

// A square ARGB image of `size` pixels (one of kSmallIconSizes, else std::invalid_argument):
// the felt tile and its grid of cards on whole pixels, every pixel either transparent or one
// opaque colour of the icon, so no edge is blurred.
QImage smallAppIcon(int size);

}  // namespace marnelok
