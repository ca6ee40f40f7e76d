// marnelok_artwork: paints every picture of the game and writes it into the assets folder.
//
//   marnelok_artwork <assets folder>
//
// Writes bitmaps/*.bmp (the resources the game loads by name) and icons/marnelok-N.png.
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
#include <vector>

#include "app_icon.h"
#include "art_font.h"
#include "card_backs.h"
#include "donate_picture.h"
#include "palette.h"
#include "proceed_glyph.h"
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

std::vector<Artwork> paintAll() {
  std::vector<Artwork> all = {
      {"bitmaps/HBmp.bmp", suitSymbol(Suit::Hearts), {21, 23}, 24},
      {"bitmaps/CBmp.bmp", suitSymbol(Suit::Clubs), {23, 23}, 24},
      {"bitmaps/DBmp.bmp", suitSymbol(Suit::Diamonds), {19, 23}, 24},
      {"bitmaps/SBmp.bmp", suitSymbol(Suit::Spades), {21, 23}, 24},
      {"bitmaps/HPip.bmp", suitPip(Suit::Hearts), {9, 9}, 24},
      {"bitmaps/CPip.bmp", suitPip(Suit::Clubs), {9, 10}, 24},
      {"bitmaps/DPip.bmp", suitPip(Suit::Diamonds), {9, 9}, 24},
      {"bitmaps/SPip.bmp", suitPip(Suit::Spades), {9, 9}, 24},
      {"bitmaps/RCBmp.bmp", regularCardBack(), {71, 81}, 24},
      {"bitmaps/LCBmp.bmp", largeCardBack(), {82, 108}, 24},
      {"bitmaps/Splash.bmp", toIndexed256(splashPicture()), {280, 140}, 8},
      {"bitmaps/Donate.bmp", donatePicture(), {350, 135}, 24},
      {"bitmaps/Proceed.bmp", toIndexed256(proceedGlyph()), {48, 24}, 8},
  };
  for (int size : {48, 128, 256}) {
    all.push_back(
        {QStringLiteral("icons/marnelok-%1.png").arg(size), appIcon(size), {size, size}, 32});
  }
  return all;
}

// The BMP writer stores 8-bit images as 8 bits per pixel and anything else as 24.
QImage forFile(const Artwork& art) {
  if (art.depth == 8) return art.image;
  if (art.depth == 24) return art.image.convertToFormat(QImage::Format_RGB32);
  return art.image.convertToFormat(QImage::Format_ARGB32);
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
  const QString path = assets.filePath(art.file);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    err << path << ": cannot create its folder\n";
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    err << path << ": " << file.errorString() << "\n";
    return false;
  }
  QImageWriter writer(&file, art.file.endsWith(".png") ? "png" : "bmp");
  if (!writer.write(forFile(art))) {
    err << path << ": " << writer.errorString() << "\n";
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    err << path << ": " << file.errorString() << "\n";
    return false;
  }
  return true;
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
  return ok ? 0 : 1;
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
