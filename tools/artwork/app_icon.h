// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: a five-by-five grid of cards on green felt.
#pragma once

#include <QImage>

namespace marnelok {

// A square ARGB image of `size` pixels, transparent outside the rounded felt tile.
QImage appIcon(int size);

}  // namespace marnelok
