// Loads the card bitmaps from the ":/bitmaps" resources.
#include "card_images.h"

#include <QDir>
#include <QFileInfo>

#include "cards.h"

namespace marnelok {

QImage LoadBitmapByName(const QString& name) {
  if (name.isEmpty()) return {};
  const QDir folder(QStringLiteral(":/bitmaps"));
  const QStringList entries = folder.entryList(QDir::Files);
  // The exact stored name first, then a name that differs only by a file extension.
  QString found;
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) {
      found = entry;
      break;
    }
  }
  if (found.isEmpty()) {
    for (const QString& entry : entries) {
      if (QFileInfo(entry).completeBaseName().compare(name, Qt::CaseInsensitive) == 0) {
        found = entry;
        break;
      }
    }
  }
  if (found.isEmpty()) return {};
  QImage image(folder.filePath(found));
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

CardImages LoadCardImages() {
  CardImages images;
  images.symbol[kClubs] = LoadBitmapByName(QStringLiteral("CBmp"));
  images.symbol[kDiamonds] = LoadBitmapByName(QStringLiteral("DBmp"));
  images.symbol[kHearts] = LoadBitmapByName(QStringLiteral("HBmp"));
  images.symbol[kSpades] = LoadBitmapByName(QStringLiteral("SBmp"));
  images.pip[kClubs] = LoadBitmapByName(QStringLiteral("CPip"));
  images.pip[kDiamonds] = LoadBitmapByName(QStringLiteral("DPip"));
  images.pip[kHearts] = LoadBitmapByName(QStringLiteral("HPip"));
  images.pip[kSpades] = LoadBitmapByName(QStringLiteral("SPip"));
  images.largeBack = LoadBitmapByName(QStringLiteral("LCBmp"));
  images.regularBack = LoadBitmapByName(QStringLiteral("RCBmp"));
  return images;
}

}  // namespace marnelok
