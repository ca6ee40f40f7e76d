// SPDX-License-Identifier: GPL-3.0-or-later
// A small vector playing card: white rounded face, corner index, one large suit figure.
#include "mini_card.h"

#include <QPainterPath>
#include <algorithm>

#include "art_font.h"
#include "suit_shapes.h"

namespace marnelok {

void drawMiniCard(QPainter& p, const QRectF& rect, const MiniCard& card) {
  p.save();
  const double w = rect.width();
  const double h = rect.height();
  const double radius = w * 0.12;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(rect.translated(w * 0.05, w * 0.07), radius, radius);
  p.setPen(QPen(QColor(70, 70, 70), std::max(0.6, w * 0.03)));
  p.setBrush(QColor(255, 255, 255));
  p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

  const QColor ink = QColor::fromRgb(inkOf(card.suit));
  const double indexHeight = h * 0.2;
  p.setPen(ink);
  p.setFont(artworkFont(indexHeight));
  const QRectF indexBox(rect.left() + w * 0.06, rect.top() + h * 0.04, w * 0.36, indexHeight);
  p.drawText(indexBox, Qt::AlignHCenter | Qt::AlignVCenter, card.rank);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const double small = w * 0.2;
  p.drawPath(suitPath(card.suit, QRectF(indexBox.center().x() - small / 2,
                                        indexBox.bottom() + h * 0.02, small, small * 1.1)));
  // The large figure sits a little right of centre and low, clear of the corner index.
  const double big = w * 0.5;
  p.drawPath(suitPath(
      card.suit, QRectF(rect.center().x() - big * 0.45, rect.top() + h * 0.42, big, big * 1.1)));
  p.restore();
}

}  // namespace marnelok
