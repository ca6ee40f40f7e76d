// A small vector playing card: white rounded face, corner index, one large suit figure.
#include "mini_card.h"

#include <QPainterPath>

#include "art_font.h"
#include "suit_shapes.h"

namespace marnelok {

void drawMiniCard(QPainter& p, const QRectF& rect, const MiniCard& card, bool shadow) {
  p.save();
  const double w = rect.width();
  const double h = rect.height();
  const double radius = w * 0.12;
  if (shadow) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(rect.translated(w * 0.05, w * 0.07), radius, radius);
  }
  p.setPen(QPen(QColor(70, 70, 70), std::max(0.6, w * 0.03)));
  p.setBrush(QColor(255, 255, 255));
  p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

  const QColor ink = QColor::fromRgb(inkOf(card.suit));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (card.rank.isEmpty()) {
    const double s = w * 0.62;
    p.drawPath(suitPath(
        card.suit, QRectF(rect.center().x() - s / 2, rect.center().y() - s * 0.55, s, s * 1.1)));
  } else {
    const double indexHeight = h * 0.2;
    p.setPen(ink);
    p.setFont(artworkFont(indexHeight));
    const QRectF indexBox(rect.left() + w * 0.06, rect.top() + h * 0.04, w * 0.36, indexHeight);
    p.drawText(indexBox, Qt::AlignHCenter | Qt::AlignVCenter, card.rank);
    p.setPen(Qt::NoPen);
    const double small = w * 0.2;
    p.drawPath(suitPath(card.suit, QRectF(indexBox.center().x() - small / 2,
                                          indexBox.bottom() + h * 0.02, small, small * 1.1)));
    const double big = w * 0.5;
    p.drawPath(suitPath(card.suit, QRectF(rect.left() + w * 0.42 - big * 0.25,
                                          rect.top() + h * 0.42, big, big * 1.1)));
  }
  p.restore();
}

}  // namespace marnelok
