// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon. It is drawn in a 256-unit space and scaled, so every size shows the
// same picture; the grid's middle row holds a red royal flush, the game's best hand.
#include "app_icon.h"

#include <QBuffer>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "suit_shapes.h"

namespace marnelok {
namespace {

constexpr int kSide = 256;
constexpr double kUnit = kSide;

void paintTile(QPainter& p) {
  const QRectF tile(8, 8, kUnit - 16, kUnit - 16);
  QRadialGradient felt(QPointF(kUnit / 2, kUnit * 0.42), kUnit * 0.7);
  felt.setColorAt(0.0, QColor(46, 150, 72));
  felt.setColorAt(1.0, QColor(10, 78, 36));
  p.setPen(QPen(QColor(kIconRim), 6));
  p.setBrush(felt);
  p.drawRoundedRect(tile, 40, 40);
}

void paintGrid(QPainter& p) {
  constexpr double cardW = 34;
  constexpr double cardH = 36;
  constexpr double stepX = 40;
  constexpr double stepY = 42;
  constexpr double left = (kUnit - 4 * stepX - cardW) / 2;
  constexpr double top = (kUnit - 4 * stepY - cardH) / 2;
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 5; ++column) {
      const QRectF card(left + column * stepX, top + row * stepY, cardW, cardH);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 70));
      p.drawRoundedRect(card.translated(2, 3), 5, 5);
      p.setBrush(QColor(row == 2 ? kIconCream : kCardWhite));
      p.drawRoundedRect(card, 5, 5);
      const Suit suit = appIconSuit(column, row);
      p.setBrush(QColor(isRed(suit) ? kIconRed : kInkBlack));
      const double s = 22;
      p.drawPath(
          suitPath(suit, QRectF(card.center().x() - s / 2, card.center().y() - s / 2, s, s)));
    }
  }
}

void paintIcon(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  paintTile(p);
  paintGrid(p);
}

}  // namespace

Suit appIconSuit(int column, int row) {
  if (row == 2) return Suit::Hearts;
  constexpr Suit cycle[] = {Suit::Spades, Suit::Diamonds, Suit::Clubs, Suit::Hearts};
  return cycle[(column * 3 + row * 2) % 4];
}

QImage appIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(size / kUnit, size / kUnit);
  paintIcon(p);
  return image;
}

QByteArray appIconSvg() {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(kSide, kSide));
  svg.setViewBox(QRectF(0, 0, kUnit, kUnit));
  svg.setTitle(QStringLiteral("Marnelok"));
  svg.setDescription(QStringLiteral("A five-by-five grid of cards on green felt"));
  QPainter p(&svg);
  paintIcon(p);
  p.end();
  // The generator gives the document's size in millimetres; an icon's is in pixels.
  const QRegularExpression millimetres(QStringLiteral(R"(width="[0-9.]+mm" height="[0-9.]+mm")"));
  return QString::fromUtf8(buffer.data())
      .replace(millimetres, QStringLiteral(R"(width="%1" height="%1")").arg(kSide))
      .toUtf8();
}

}  // namespace marnelok
