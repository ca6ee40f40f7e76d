// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the companion windows chosen for the screen: the NAME@2x twin of a bitmap on a
// screen whose device pixel ratio is above 1.
#pragma once

#include <QImage>
#include <QString>

namespace marnelok {

// ":/bitmaps/<alias>@2X" with a device pixel ratio of 2 (so it takes the same logical size)
// when `devicePixelRatio` is above 1 and that twin is exactly twice the size; otherwise
// ":/bitmaps/<alias>" as it is. A null image when neither exists.
QImage SharpPicture(const QString& alias, qreal devicePixelRatio);

// The twin alone, or a null image.
QImage DoubledPicture(const QString& alias);

}  // namespace marnelok
