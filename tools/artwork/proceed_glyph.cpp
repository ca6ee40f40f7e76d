// SPDX-License-Identifier: GPL-3.0-or-later
// The "Proceed" glyph: a green forward arrow. Its outline and shading are derived from one
// shape, so the normal and the disabled images, and every size, have the same figure.
#include "proceed_glyph.h"

#include <cmath>

namespace marnelok {
namespace {

constexpr int kSide = 24;  // one half of the strip at scale 1

// The arrow in glyph units (a 24x24 square): a shaft from x 2 to 13 between y 8 and 16 and
// a head from x 13 whose slanted edges meet in the point (23, 12).
bool arrowCovers(double x, double y) {
  const bool shaft = x >= 2 && x <= 13 && y >= 8 && y <= 16;
  const bool head = x >= 13 && std::abs(y - 12) < 23 - x;
  return shaft || head;
}

// The arrow as a mask of image pixels: a pixel belongs to it when its centre does.
class ArrowMask {
 public:
  explicit ArrowMask(int scale) : scale_(scale) {}
  int side() const { return kSide * scale_; }
  bool in(int x, int y) const {
    if (x < 0 || y < 0 || x >= side() || y >= side()) return false;
    return arrowCovers((x + 0.5) / scale_, (y + 0.5) / scale_);
  }
  // Within one glyph unit of the outside: the outline stays one unit wide at every size.
  bool onEdge(int x, int y) const {
    for (int d = 1; d <= scale_; ++d) {
      if (!in(x - d, y) || !in(x + d, y) || !in(x, y - d) || !in(x, y + d)) return true;
    }
    return false;
  }
  int scale() const { return scale_; }

 private:
  int scale_;
};

void paintNormal(QImage& image, const ArrowMask& arrow) {
  constexpr QRgb outline = 0xff006000;
  constexpr QRgb fill = 0xff00b000;
  constexpr QRgb light = 0xff90ee90;
  for (int y = 0; y < arrow.side(); ++y) {
    for (int x = 0; x < arrow.side(); ++x) {
      if (!arrow.in(x, y)) continue;
      QRgb c = fill;
      if (arrow.onEdge(x, y)) {
        c = outline;
      } else if (arrow.onEdge(x, y - arrow.scale())) {
        c = light;  // a lit top edge gives the arrow a little depth
      }
      image.setPixel(x, y, c);
    }
  }
}

// The classic greyed look: the shape in grey with a white copy one unit down and right.
void paintDisabled(QImage& image, const ArrowMask& arrow) {
  constexpr QRgb grey = 0xff808080;
  constexpr QRgb white = 0xffffffff;
  const int left = arrow.side();
  const int d = arrow.scale();
  for (int y = 0; y < arrow.side(); ++y) {
    for (int x = 0; x < arrow.side(); ++x) {
      if (arrow.in(x, y)) {
        image.setPixel(left + x, y, grey);
      } else if (arrow.in(x - d, y - d)) {
        image.setPixel(left + x, y, white);
      }
    }
  }
}

}  // namespace

QImage proceedGlyph(int scale) {
  const ArrowMask arrow(scale);
  QImage image(2 * arrow.side(), arrow.side(), QImage::Format_RGB32);
  image.fill(kGlyphTransparent);
  paintNormal(image, arrow);
  paintDisabled(image, arrow);
  return image;
}

}  // namespace marnelok
