// SPDX-License-Identifier: GPL-3.0-or-later
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

QImage LoadDoubledBitmap(const QString& name, const QImage& picture) {
  QImage doubled = LoadBitmapByName(name + QStringLiteral("@2x"));
  if (doubled.isNull() || picture.isNull() || doubled.size() != picture.size() * 2) return {};
  doubled.setDevicePixelRatio(2.0);
  return doubled;
}

const QImage& CardImages::Doubled(const QImage& picture) const {
  static const QImage kNone;
  for (size_t i = 0; i < symbol.size(); ++i) {
    if (&picture == &symbol[i]) return doubled.symbol[i];
    if (&picture == &pip[i]) return doubled.pip[i];
  }
  if (&picture == &largeBack) return doubled.largeBack;
  if (&picture == &regularBack) return doubled.regularBack;
  return kNone;
}

CardImages LoadCardImages() {
  CardImages images;
  const auto load = [](QImage& picture, QImage& doubled, const QString& name) {
    picture = LoadBitmapByName(name);
    doubled = LoadDoubledBitmap(name, picture);
  };
  const struct {
    int suit;
    const char* symbol;
    const char* pip;
  } suits[] = {{kClubs, "CBmp", "CPip"},
               {kDiamonds, "DBmp", "DPip"},
               {kHearts, "HBmp", "HPip"},
               {kSpades, "SBmp", "SPip"}};
  for (const auto& s : suits) {
    const auto i = static_cast<size_t>(s.suit);
    load(images.symbol[i], images.doubled.symbol[i], QString::fromLatin1(s.symbol));
    load(images.pip[i], images.doubled.pip[i], QString::fromLatin1(s.pip));
  }
  load(images.largeBack, images.doubled.largeBack, QStringLiteral("LCBmp"));
  load(images.regularBack, images.doubled.regularBack, QStringLiteral("RCBmp"));
  return images;
}

}  // namespace marnelok
