// The ten card bitmaps: suit symbols, pips and the two card backs, loaded from resources.
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

struct CardImages {
  std::array<QImage, 5> symbol;  // indexed by suit 1 to 4; entry 0 unused
  std::array<QImage, 5> pip;
  QImage largeBack;
  QImage regularBack;
};

CardImages LoadCardImages();

}  // namespace marnelok
