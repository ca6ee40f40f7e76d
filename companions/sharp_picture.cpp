// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the companion windows chosen for the screen's device pixel ratio.
#include "sharp_picture.h"

namespace marnelok {
namespace {

QImage Plain(const QString& alias) { return QImage(QStringLiteral(":/bitmaps/") + alias); }

}  // namespace

QImage DoubledPicture(const QString& alias) {
  QImage doubled = Plain(alias + QStringLiteral("@2X"));
  const QImage plain = Plain(alias);
  if (doubled.isNull() || plain.isNull() || doubled.size() != plain.size() * 2) return {};
  doubled.setDevicePixelRatio(2.0);
  return doubled;
}

QImage SharpPicture(const QString& alias, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    const QImage doubled = DoubledPicture(alias);
    if (!doubled.isNull()) return doubled;
  }
  return Plain(alias);
}

}  // namespace marnelok
