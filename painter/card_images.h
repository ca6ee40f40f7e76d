// SPDX-License-Identifier: GPL-3.0-or-later
// The ten card bitmaps: suit symbols, pips and the two card backs, loaded from resources,
// each with its twin at twice the size for screens with a device pixel ratio above 1.
#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace marnelok {

// A bitmap of the program's resources under ":/bitmaps", found by name without regard to
// letter case ("CBmp" finds CBMP). A missing or unreadable bitmap gives a null image, which
// draws as nothing. Pixels come back opaque (Format_RGB32): the bitmaps are copied, never
// blended.
QImage LoadBitmapByName(const QString& name);

// The twin "<name>@2x" of a bitmap, with a device pixel ratio of 2, so that it stands in the
// same logical size as `picture`; a null image when there is none of exactly twice the size.
QImage LoadDoubledBitmap(const QString& name, const QImage& picture);

struct CardPictures {
  std::array<QImage, 5> symbol;  // indexed by suit 1 to 4; entry 0 unused
  std::array<QImage, 5> pip;
  QImage largeBack;
  QImage regularBack;
};

struct CardImages : CardPictures {
  // The same pictures at twice the size; the layout always reads the sizes above.
  mutable CardPictures doubled;
  // True while the twins are still to be read from the resources: a table that is only ever
  // drawn at a device pixel ratio of 1 never reads them.
  mutable bool twinsPending = false;

  // The twin in `doubled` of one of the pictures above (by address, so the card back that
  // the look points to finds its own), or a null image. The first call reads pending twins.
  const QImage& Doubled(const QImage& picture) const;
};

// The ten bitmaps; their twins are read when first asked for.
CardImages LoadCardImages();

}  // namespace marnelok
