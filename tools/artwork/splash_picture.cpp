// The splash picture: a green felt table, a fan of cards at either side, and a light card-like
// panel in the middle on which the window's labels stand. A royal flush between the edition
// label and the link gives the panel its poker motif.
#include "splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

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

// The four pips, copied pixel for pixel so they stay crisp, in a row above the product name.
void paintPipRow(QPainter& p) {
  const Suit order[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
  int x = 140 - (4 * 9 + 3 * 8) / 2;
  for (Suit suit : order) {
    p.drawImage(QPoint(x, suit == Suit::Clubs ? 15 : 16), suitPip(suit));
    x += 9 + 8;
  }
}

// A card of 20x28 pixels set on whole pixels, with a pixel index and pip, so the small
// royal flush stays sharp after the reduction to 256 colours.
void paintPixelCard(QPainter& p, QPoint at, const QString& rank, Suit suit) {
  constexpr int w = 20;
  constexpr int h = 28;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 100, 60, 110));
  p.drawRect(at.x() + 2, at.y() + 2, w, h);
  p.setBrush(QColor(255, 255, 255));
  p.setPen(QColor(96, 96, 96));
  p.drawRect(at.x(), at.y(), w - 1, h - 1);
  p.restore();
  p.drawImage(at + QPoint(3, 3), rankGlyph(rank, inkOf(suit)));
  p.drawImage(at + QPoint((w - 9) / 2, 14), suitPip(suit));
}

void paintRoyalFlush(QPainter& p) {
  const char* ranks[] = {"10", "J", "Q", "K", "A"};
  constexpr int w = 20;
  constexpr int gap = 4;
  int x = 140 - (5 * w + 4 * gap) / 2;
  for (int i = 0; i < 5; ++i) {
    // A gentle arch, like a hand spread on the table.
    const int lift = (i == 2) ? 2 : (i == 1 || i == 3) ? 1 : 0;
    paintPixelCard(p, QPoint(x, 81 - lift), QString::fromLatin1(ranks[i]), Suit::Hearts);
    x += w + gap;
  }
}

}  // namespace

QImage splashPicture() {
  QImage image(280, 140, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintFelt(p, image.size());
  paintFan(p, {30, 120}, -32, 16,
           {{"A", Suit::Clubs}, {"A", Suit::Diamonds}, {"A", Suit::Hearts}, {"A", Suit::Spades}});
  paintFan(p, {250, 120}, -16, 16,
           {{"K", Suit::Spades}, {"K", Suit::Hearts}, {"K", Suit::Diamonds}, {"K", Suit::Clubs}});
  paintPanel(p);
  paintPipRow(p);
  paintRoyalFlush(p);
  return image;
}

}  // namespace marnelok
