// Reading the painted canvas in tests.
#include "pixels.h"

namespace marnelok::test {

QColor ColourAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

bool Is(const QImage& image, int x, int y, const QColor& colour) {
  return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
}

int Count(const QImage& image, const QRect& region, const PixelTest& test) {
  int count = 0;
  const QRect inside = region.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (test(image.pixel(x, y))) ++count;
    }
  }
  return count;
}

int CountColour(const QImage& image, const QRect& region, const QColor& colour) {
  return Count(image, region, Exactly(colour));
}

QRect BoundingBox(const QImage& image, const QRect& region, const PixelTest& test) {
  QRect box;
  const QRect inside = region.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

PixelTest Not(const QColor& colour) {
  const QRgb rgb = colour.rgb() & 0xFFFFFF;
  return [rgb](QRgb pixel) { return (pixel & 0xFFFFFF) != rgb; };
}

PixelTest Exactly(const QColor& colour) {
  const QRgb rgb = colour.rgb() & 0xFFFFFF;
  return [rgb](QRgb pixel) { return (pixel & 0xFFFFFF) == rgb; };
}

bool IsDark(QRgb pixel) { return qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96; }

bool IsReddish(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) < 160 && qBlue(pixel) < 160 &&
         qGreen(pixel) == qBlue(pixel);
}

QImage Cut(const QImage& image, const QRect& region) { return image.copy(region); }

}  // namespace marnelok::test
