// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture: a green felt table, a fan of cards at either side, and a light card-like
// panel in the middle on which the window's labels stand. A royal flush between the edition
// label and the link gives the panel its poker motif.
#include "splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "art_font.h"
#include "mini_card.h"
#include "rank_glyphs.h"
#include "suit_bitmaps.h"

namespace marnelok {
namespace {

constexpr QRectF kPanel(52.5, 6.5, 175, 128);

void paintFelt(QPainter& p, const QSize& size) {
  QRadialGradient felt(QPointF(size.width() / 2.0, size.height() / 2.0), size.width() * 0.62);
  felt.setColorAt(0.0, QColor(40, 138, 64));
  felt.setColorAt(1.0, QColor(12, 74, 34));
  p.fillRect(QRect(QPoint(0, 0), size), felt);
}

void paintFan(QPainter& p, QPointF pivot, double firstAngle, double step,
              std::initializer_list<MiniCard> cards) {
  double angle = firstAngle;
  for (const MiniCard& card : cards) {
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    drawMiniCard(p, QRectF(-16, -62, 32, 45), card);
    p.restore();
    angle += step;
  }
}

void paintPanel(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(kPanel.translated(2, 3), 9, 9);

  QLinearGradient paper(kPanel.topLeft(), kPanel.bottomLeft());
  paper.setColorAt(0.0, QColor(255, 253, 240));
  paper.setColorAt(1.0, QColor(244, 236, 206));
  p.setBrush(paper);
  p.setPen(QPen(QColor(176, 136, 48), 2.0));
  p.drawRoundedRect(kPanel, 9, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 184, 110), 1.0));
  p.drawRoundedRect(kPanel.adjusted(4, 4, -4, -4), 6, 6);
}

// A pip of the card faces at the picture's scale, placed in picture pixels.
QImage scaledPip(Suit suit, int scale) {
  QImage pip = suitPip(suit, scale);
  pip.setDevicePixelRatio(scale);
  return pip;
}

// The four pips, copied pixel for pixel so they stay crisp, in a row above the product name.
void paintPipRow(QPainter& p, int scale) {
  const Suit order[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
  int x = 140 - (4 * 9 + 3 * 8) / 2;
  for (Suit suit : order) {
    p.drawImage(QPoint(x, suit == Suit::Clubs ? 15 : 16), scaledPip(suit, scale));
    x += 9 + 8;
  }
}

// The card index: pixel letters 6 pixels tall, or the typeface once there is room for it.
void paintIndex(QPainter& p, QPoint at, const QString& rank, Suit suit, int scale) {
  if (scale == 1) {
    p.drawImage(at, rankGlyph(rank, inkOf(suit)));
    return;
  }
  p.save();
  p.setFont(artworkFont(8.5));
  p.setPen(QColor::fromRgb(inkOf(suit)));
  // The baseline lies on the bottom edge of the pixel letters.
  p.drawText(QPointF(at.x() - 0.5, at.y() + 6), rank);
  p.restore();
}

// A card of 20x28 pixels set on whole pixels, with a pixel index and pip, so the small
// royal flush stays sharp after the reduction to 256 colors.
void paintPixelCard(QPainter& p, QPoint at, const QString& rank, Suit suit, int scale) {
  constexpr int w = 20;
  constexpr int h = 28;
  p.fillRect(QRect(at + QPoint(2, 2), QSize(w, h)), QColor(120, 100, 60, 110));
  p.fillRect(QRect(at, QSize(w, h)), QColor(96, 96, 96));
  p.fillRect(QRect(at + QPoint(1, 1), QSize(w - 2, h - 2)), QColor(255, 255, 255));
  paintIndex(p, at + QPoint(3, 3), rank, suit, scale);
  p.drawImage(at + QPoint((w - 9) / 2, 14), scaledPip(suit, scale));
}

void paintRoyalFlush(QPainter& p, int scale) {
  const char* ranks[] = {"10", "J", "Q", "K", "A"};
  constexpr int w = 20;
  constexpr int gap = 4;
  int x = 140 - (5 * w + 4 * gap) / 2;
  for (int i = 0; i < 5; ++i) {
    // A gentle arch, like a hand spread on the table.
    const int lift = (i == 2) ? 2 : (i == 1 || i == 3) ? 1 : 0;
    paintPixelCard(p, QPoint(x, 81 - lift), QString::fromLatin1(ranks[i]), Suit::Hearts, scale);
    x += w + gap;
  }
}

}  // namespace

QImage splashPicture(int scale) {
  const QSize size(280, 140);
  QImage image(size * scale, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
  paintFelt(p, size);
  paintFan(p, {30, 120}, -32, 16,
           {{"A", Suit::Clubs}, {"A", Suit::Diamonds}, {"A", Suit::Hearts}, {"A", Suit::Spades}});
  paintFan(p, {250, 120}, -16, 16,
           {{"K", Suit::Spades}, {"K", Suit::Hearts}, {"K", Suit::Diamonds}, {"K", Suit::Clubs}});
  paintPanel(p);
  paintPipRow(p, scale);
  paintRoyalFlush(p, scale);
  p.end();
  return image;
}

}  // namespace marnelok
