// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the artwork tests.
#include "image_checks.h"

#include <QFile>

namespace marnelok::test {

QImage loadBitmap(const QString& alias) { return QImage(QStringLiteral(":/bitmaps/") + alias); }

int bmpBitsPerPixel(const QString& alias) {
  QFile file(QStringLiteral(":/bitmaps/") + alias);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray head = file.read(30);
  if (head.size() < 30 || !head.startsWith("BM")) return -1;
  return static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
}

QSet<QRgb> colorsOf(const QImage& image) {
  QSet<QRgb> colors;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colors.insert(image.pixel(x, y) | 0xff000000);
  }
  return colors;
}

bool isMirrorSymmetric(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width() / 2; ++x) {
      if (image.pixel(x, y) != image.pixel(image.width() - 1 - x, y)) return false;
    }
  }
  return true;
}

bool isPixelDoubled(const QImage& image) {
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
          image.pixel(x + 1, y + 1) != c)
        return false;
    }
  }
  return true;
}

int luminance(QRgb c) { return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000; }

}  // namespace marnelok::test
