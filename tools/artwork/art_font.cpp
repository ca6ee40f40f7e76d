// SPDX-License-Identifier: GPL-3.0-or-later
// Finds DejaVu Sans for the pictures: from MARNELOK_ART_FONT_DIR, Debian's font folder or the
// system's font database, in that order.
#include "art_font.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace marnelok {
namespace {
const QString kFamily = QStringLiteral("DejaVu Sans");
}

bool loadArtworkFont(QString* error) {
  QStringList folders;
  const QString fromEnvironment = qEnvironmentVariable("MARNELOK_ART_FONT_DIR");
  if (!fromEnvironment.isEmpty()) folders << fromEnvironment;
  folders << QStringLiteral("/usr/share/fonts/truetype/dejavu");
  for (const QString& folder : folders) {
    for (const char* file : {"DejaVuSans-Bold.ttf", "DejaVuSans.ttf"}) {
      QFontDatabase::addApplicationFont(QDir(folder).filePath(QString::fromLatin1(file)));
    }
  }
  if (QFontDatabase::families().contains(kFamily)) return true;
  if (error) {
    *error = QStringLiteral(
                 "the font \"%1\" is missing: install fonts-dejavu-core or set "
                 "MARNELOK_ART_FONT_DIR to a folder holding DejaVuSans-Bold.ttf")
                 .arg(kFamily);
  }
  return false;
}

QFont artworkFont(qreal pixelSize, bool bold) {
  QFont font(kFamily);
  font.setPixelSize(qRound(pixelSize));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace marnelok
