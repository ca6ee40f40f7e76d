// SPDX-License-Identifier: GPL-3.0-or-later
// marnelok_artwork: paints every picture of the game and writes it into the assets folder.
//
//   marnelok_artwork <assets folder>
//
// Writes bitmaps/*.bmp (the resources the game loads by name), icons/marnelok-N.png at every
// size a desktop's icon theme asks for, and the scalable icons/marnelok.svg.
// Every bitmap NAME.bmp has a twin NAME@2x.bmp of exactly twice the width and height, drawn
// from the same shapes, for screens with a device pixel ratio above 1.
// The output depends only on this code, Qt and the DejaVu Sans font, so running it twice
// gives the same bytes. Bitmaps: 24 bits per pixel, except the splash picture and the
// "Proceed" glyph, which have 8 bits per pixel and a 256-colour palette.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <exception>
#include <functional>
#include <vector>

#include "app_icon.h"
#include "art_font.h"
#include "card_backs.h"
#include "donate_picture.h"
#include "palette.h"
#include "proceed_glyph.h"
#include "small_app_icon.h"
#include "splash_picture.h"
#include "suit_bitmaps.h"

namespace marnelok {
namespace {

struct Artwork {
  QString file;  // relative to the assets folder
  QImage image;
  QSize size;  // the size the game relies on
  int depth;   // bits per pixel in the file
};

// The bitmaps at `scale` times their size; the names carry "@2x" for scale 2.
std::vector<Artwork> paintBitmaps(int scale) {
  const QString at = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  const auto name = [&at](const char* base) {
    return QStringLiteral("bitmaps/%1%2.bmp").arg(QLatin1String(base), at);
  };
  const int s = scale;
  return {
      {name("HBmp"), suitSymbol(Suit::Hearts, s), QSize(21, 23) * s, 24},
      {name("CBmp"), suitSymbol(Suit::Clubs, s), QSize(23, 23) * s, 24},
      {name("DBmp"), suitSymbol(Suit::Diamonds, s), QSize(19, 23) * s, 24},
      {name("SBmp"), suitSymbol(Suit::Spades, s), QSize(21, 23) * s, 24},
      {name("HPip"), suitPip(Suit::Hearts, s), QSize(9, 9) * s, 24},
      {name("CPip"), suitPip(Suit::Clubs, s), QSize(9, 10) * s, 24},
      {name("DPip"), suitPip(Suit::Diamonds, s), QSize(9, 9) * s, 24},
      {name("SPip"), suitPip(Suit::Spades, s), QSize(9, 9) * s, 24},
      {name("RCBmp"), regularCardBack(s), QSize(71, 81) * s, 24},
      {name("LCBmp"), largeCardBack(s), QSize(82, 108) * s, 24},
      {name("Splash"), toIndexed256(splashPicture(s)), QSize(280, 140) * s, 8},
      {name("Donate"), donatePicture(s), QSize(350, 135) * s, 24},
      {name("Proceed"), toIndexed256(proceedGlyph(s)), QSize(48, 24) * s, 8},
  };
}

std::vector<Artwork> paintAll() {
  std::vector<Artwork> all = paintBitmaps(1);
  for (Artwork& doubled : paintBitmaps(2)) all.push_back(std::move(doubled));
  const auto icon = [&all](int size, QImage image) {
    all.push_back({QStringLiteral("icons/marnelok-%1.png").arg(size), image, {size, size}, 32});
  };
  for (int size : kSmallIconSizes) icon(size, smallAppIcon(size));
  for (int size : {48, 64, 128, 256}) icon(size, appIcon(size));
  return all;
}

// The BMP writer stores 8-bit images as 8 bits per pixel and anything else as 24.
QImage forFile(const Artwork& art) {
  if (art.depth == 8) return art.image;
  if (art.depth == 24) return art.image.convertToFormat(QImage::Format_RGB32);
  return art.image.convertToFormat(QImage::Format_ARGB32);
}

// Replaces `file` below the assets folder in one step with what `fill` writes; a failed write
// leaves the old file as it was.
bool save(const QDir& assets, const QString& file, QTextStream& err,
          const std::function<bool(QIODevice&, QString&)>& fill) {
  const QString path = assets.filePath(file);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    err << path << ": cannot create its folder\n";
    return false;
  }
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) {
    err << path << ": " << out.errorString() << "\n";
    return false;
  }
  QString error;
  if (!fill(out, error)) {
    err << path << ": " << error << "\n";
    out.cancelWriting();
    return false;
  }
  if (!out.commit()) {
    err << path << ": " << out.errorString() << "\n";
    return false;
  }
  return true;
}

bool write(const QDir& assets, const Artwork& art, QTextStream& err) {
  if (art.image.size() != art.size) {
    err << art.file << ": painted " << art.image.width() << "x" << art.image.height()
        << ", must be " << art.size.width() << "x" << art.size.height() << "\n";
    return false;
  }
  if (art.depth == 8 &&
      (art.image.format() != QImage::Format_Indexed8 || art.image.colorCount() != 256)) {
    err << art.file << ": must be 8 bits per pixel with 256 palette entries\n";
    return false;
  }
  return save(assets, art.file, err, [&art](QIODevice& file, QString& error) {
    QImageWriter writer(&file, art.file.endsWith(".png") ? "png" : "bmp");
    if (writer.write(forFile(art))) return true;
    error = writer.errorString();
    return false;
  });
}

int run(const QStringList& args) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  if (args.size() != 2) {
    err << "usage: marnelok_artwork <assets folder>\n";
    return 2;
  }
  const QDir assets(args[1]);
  if (!assets.exists()) {
    err << args[1] << ": no such folder\n";
    return 2;
  }
  QString fontError;
  if (!loadArtworkFont(&fontError)) {
    err << "marnelok_artwork: " << fontError << "\n";
    return 1;
  }
  bool ok = true;
  for (const Artwork& art : paintAll()) {
    if (write(assets, art, err)) {
      out << art.file << "\n";
    } else {
      ok = false;
    }
  }
  const QString svgFile = QStringLiteral("icons/marnelok.svg");
  const bool svgSaved = save(assets, svgFile, err, [](QIODevice& file, QString& error) {
    if (file.write(appIconSvg()) >= 0) return true;
    error = file.errorString();
    return false;
  });
  if (svgSaved) out << svgFile << "\n";
  return ok && svgSaved ? 0 : 1;
}

}  // namespace
}  // namespace marnelok

int main(int argc, char* argv[]) {
  // Painting needs no screen; the offscreen platform also keeps font rendering the same
  // whatever desktop the generator runs on.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    return marnelok::run(QCoreApplication::arguments());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "marnelok_artwork: %s\n", e.what());
    return 1;
  }
}
