// SPDX-License-Identifier: GPL-3.0-or-later
// Button glyphs from a two-image strip.
#include "glyph_icon.h"

#include <QPixmap>
#include <utility>

namespace marnelok {

QImage GlyphHalf(const QImage& strip, int half) {
  if (strip.isNull() || half < 0 || half > 1) return {};
  const int width = strip.width() / 2;
  if (width == 0) return {};
  QImage image =
      strip.copy(half * width, 0, width, strip.height()).convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == transparent) line[x] = qRgba(0, 0, 0, 0);
  }
  return image;
}

QIcon GlyphIcon(const QImage& strip, const QImage& doubled) {
  const QImage normal = GlyphHalf(strip, 0);
  if (normal.isNull()) return {};
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(GlyphHalf(strip, 1)), QIcon::Disabled);
  if (doubled.size() == strip.size() * 2) {
    for (const auto& [half, mode] : {std::pair{0, QIcon::Normal}, std::pair{1, QIcon::Disabled}}) {
      QImage image = GlyphHalf(doubled, half);
      image.setDevicePixelRatio(2.0);
      icon.addPixmap(QPixmap::fromImage(image), mode);
    }
  }
  return icon;
}

}  // namespace marnelok
