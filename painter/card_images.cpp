// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the card bitmaps from the ":/bitmaps" resources.
#include "card_images.h"

#include <QDir>
#include <QFileInfo>

#include "cards.h"

namespace marnelok {

namespace {

// Listed once for all the bitmaps that are read together: a listing costs more than reading a
// small bitmap.
QStringList BitmapNames() { return QDir(QStringLiteral(":/bitmaps")).entryList(QDir::Files); }

QImage LoadFrom(const QStringList& entries, const QString& name) {
  if (name.isEmpty()) return {};
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
  QImage image(QStringLiteral(":/bitmaps/") + found);
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage DoubledFrom(const QStringList& entries, const QString& name, const QImage& picture) {
  QImage doubled = LoadFrom(entries, name + QStringLiteral("@2x"));
  if (doubled.isNull() || picture.isNull() || doubled.size() != picture.size() * 2) return {};
  doubled.setDevicePixelRatio(2.0);
  return doubled;
}

struct SuitNames {
  int suit;
  const char* symbol;
  const char* pip;
};
constexpr SuitNames kSuitNames[] = {{kClubs, "CBmp", "CPip"},
                                    {kDiamonds, "DBmp", "DPip"},
                                    {kHearts, "HBmp", "HPip"},
                                    {kSpades, "SBmp", "SPip"}};

// Calls visit(picture, twin, name) for each of the ten bitmaps.
template <typename Pictures, typename Visit>
void ForEachBitmap(Pictures& pictures, CardPictures& twins, Visit visit) {
  for (const auto& s : kSuitNames) {
    const auto i = static_cast<size_t>(s.suit);
    visit(pictures.symbol[i], twins.symbol[i], QString::fromLatin1(s.symbol));
    visit(pictures.pip[i], twins.pip[i], QString::fromLatin1(s.pip));
  }
  visit(pictures.largeBack, twins.largeBack, QStringLiteral("LCBmp"));
  visit(pictures.regularBack, twins.regularBack, QStringLiteral("RCBmp"));
}

}  // namespace

QImage LoadBitmapByName(const QString& name) {
  if (name.isEmpty()) return {};
  return LoadFrom(BitmapNames(), name);
}

QImage LoadDoubledBitmap(const QString& name, const QImage& picture) {
  return DoubledFrom(BitmapNames(), name, picture);
}

const QImage& CardImages::Doubled(const QImage& picture) const {
  static const QImage kNone;
  if (twinsPending) {
    twinsPending = false;
    const QStringList entries = BitmapNames();
    ForEachBitmap(static_cast<const CardPictures&>(*this), doubled,
                  [&](const QImage& p, QImage& twin, const QString& name) {
                    twin = DoubledFrom(entries, name, p);
                  });
  }
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
  const QStringList entries = BitmapNames();
  ForEachBitmap(
      static_cast<CardPictures&>(images), images.doubled,
      [&](QImage& picture, QImage&, const QString& name) { picture = LoadFrom(entries, name); });
  images.twinsPending = true;
  return images;
}

}  // namespace marnelok
