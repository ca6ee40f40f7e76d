// SPDX-License-Identifier: GPL-3.0-or-later
// Scalable suit outlines, designed on a unit square and stretched to the box asked for.
#include "suit_shapes.h"

#include <QTransform>

namespace marnelok {
namespace {

QPainterPath unitHeart() {
  QPainterPath p;
  p.moveTo(0.5, 1.0);
  p.cubicTo(0.15, 0.68, 0.0, 0.48, 0.0, 0.28);
  p.cubicTo(0.0, 0.1, 0.13, 0.0, 0.27, 0.0);
  p.cubicTo(0.39, 0.0, 0.47, 0.08, 0.5, 0.18);
  p.cubicTo(0.53, 0.08, 0.61, 0.0, 0.73, 0.0);
  p.cubicTo(0.87, 0.0, 1.0, 0.1, 1.0, 0.28);
  p.cubicTo(1.0, 0.48, 0.85, 0.68, 0.5, 1.0);
  p.closeSubpath();
  return p;
}

QPainterPath unitSpade() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.cubicTo(0.85, 0.3, 1.0, 0.42, 1.0, 0.57);
  p.cubicTo(1.0, 0.7, 0.89, 0.78, 0.76, 0.78);
  p.cubicTo(0.66, 0.78, 0.58, 0.73, 0.54, 0.66);
  p.cubicTo(0.55, 0.8, 0.62, 0.92, 0.75, 1.0);
  p.lineTo(0.25, 1.0);
  p.cubicTo(0.38, 0.92, 0.45, 0.8, 0.46, 0.66);
  p.cubicTo(0.42, 0.73, 0.34, 0.78, 0.24, 0.78);
  p.cubicTo(0.11, 0.78, 0.0, 0.7, 0.0, 0.57);
  p.cubicTo(0.0, 0.42, 0.15, 0.3, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

QPainterPath unitDiamond() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.quadTo(0.72, 0.28, 0.92, 0.5);
  p.quadTo(0.72, 0.72, 0.5, 1.0);
  p.quadTo(0.28, 0.72, 0.08, 0.5);
  p.quadTo(0.28, 0.28, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

QPainterPath unitClub() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  constexpr double r = 0.23;
  p.addEllipse(QPointF(0.5, 0.25), r, r);
  p.addEllipse(QPointF(0.24, 0.58), r, r);
  p.addEllipse(QPointF(0.76, 0.58), r, r);
  p.addEllipse(QPointF(0.5, 0.5), 0.13, 0.13);
  QPainterPath stem;
  stem.moveTo(0.46, 0.55);
  stem.cubicTo(0.45, 0.8, 0.38, 0.92, 0.26, 1.0);
  stem.lineTo(0.74, 1.0);
  stem.cubicTo(0.62, 0.92, 0.55, 0.8, 0.54, 0.55);
  stem.closeSubpath();
  return p.united(stem);
}

}  // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
  QPainterPath unit;
  switch (suit) {
    case Suit::Hearts:
      unit = unitHeart();
      break;
    case Suit::Clubs:
      unit = unitClub();
      break;
    case Suit::Diamonds:
      unit = unitDiamond();
      break;
    case Suit::Spades:
      unit = unitSpade();
      break;
  }
  QTransform toBox;
  toBox.translate(box.x(), box.y());
  toBox.scale(box.width(), box.height());
  QPainterPath path = toBox.map(unit);
  path.setFillRule(Qt::WindingFill);
  return path;
}

}  // namespace marnelok
