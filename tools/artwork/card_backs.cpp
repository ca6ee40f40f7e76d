// SPDX-License-Identifier: GPL-3.0-or-later
// The card backs. Both keep a one-pixel black border all round: the deck stack lays three
// of them 2 pixels apart, and only the borders tell the cards apart.
#include "card_backs.h"

#include <QPainter>
#include <QPainterPath>

namespace marnelok {
namespace {

constexpr QColor kSilver(192, 192, 192);
constexpr QColor kOlive(128, 128, 64);
constexpr QColor kOrange(255, 128, 64);
constexpr QColor kSky(0, 128, 255);
constexpr QColor kCloudWhite(255, 255, 255);
constexpr QColor kCloudGrey(176, 184, 196);
constexpr QColor kDistantGrey(150, 162, 180);

// A line one card pixel wide just inside `edges` (given in card pixels), `scale` image pixels
// thick, so the line stays on whole pixels at every size.
void outline(QImage& image, const QRect& edges, const QColor& color, int scale) {
  QPainter p(&image);
  const QRect r(edges.topLeft() * scale, edges.size() * scale);
  p.fillRect(QRect(r.left(), r.top(), r.width(), scale), color);
  p.fillRect(QRect(r.left(), r.bottom() + 1 - scale, r.width(), scale), color);
  p.fillRect(QRect(r.left(), r.top(), scale, r.height()), color);
  p.fillRect(QRect(r.right() + 1 - scale, r.top(), scale, r.height()), color);
}

void frame(QImage& image, const QSize& cardPixels, int scale) {
  outline(image, QRect(QPoint(0, 0), cardPixels), Qt::black, scale);
}

// A cloud is a flat-bottomed bank of overlapping puffs; `s` scales it.
QPainterPath cloud(QPointF at, double s) {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  p.addRoundedRect(QRectF(at.x() - 11 * s, at.y() - 3 * s, 22 * s, 6 * s), 3 * s, 3 * s);
  p.addEllipse(QPointF(at.x() - 6 * s, at.y() - 3 * s), 4.5 * s, 4.0 * s);
  p.addEllipse(QPointF(at.x() + 0.5 * s, at.y() - 5.5 * s), 6.0 * s, 5.5 * s);
  p.addEllipse(QPointF(at.x() + 6.5 * s, at.y() - 2.5 * s), 4.0 * s, 3.5 * s);
  return p.simplified();
}

void drawCloud(QPainter& p, QPointF at, double s) {
  p.setBrush(kCloudGrey);
  p.drawPath(cloud(at + QPointF(1.0, 1.5), s));
  p.setBrush(kCloudWhite);
  p.drawPath(cloud(at, s));
}

}  // namespace

QImage regularCardBack(int scale) {
  const QSize size(71, 81);
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(kSilver);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    // The pattern sits inside a silver margin, as printed backs do.
    const QRectF inner(4, 4, size.width() - 8, size.height() - 8);
    const QPointF centre = inner.center();
    p.setPen(Qt::NoPen);
    p.setBrush(kOlive);
    p.drawPolygon(QPolygonF{inner.topLeft(), centre, inner.bottomLeft()});
    p.drawPolygon(QPolygonF{inner.topRight(), centre, inner.bottomRight()});

    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(kOrange, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(inner.topLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomLeft());
    p.restore();

    p.setPen(QPen(kOlive, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner.adjusted(-0.5, -0.5, 0.5, 0.5));

    p.setPen(QPen(kOrange, 1.0));
    p.setBrush(kSilver);
    p.drawEllipse(centre, 5.0, 5.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(centre, 2.0, 2.0);
  }
  frame(image, size, scale);
  return image;
}

QImage largeCardBack(int scale) {
  const QSize size(82, 108);
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(kSky);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(kDistantGrey);
    p.drawPath(cloud({62, 22}, 0.6));
    p.drawPath(cloud({18, 62}, 0.55));
    p.drawPath(cloud({66, 92}, 0.5));
    drawCloud(p, {24, 24}, 1.0);
    drawCloud(p, {58, 50}, 1.1);
    drawCloud(p, {28, 88}, 0.9);
  }
  outline(image, QRect(QPoint(3, 3), size - QSize(6, 6)), kCloudWhite, scale);
  frame(image, size, scale);
  return image;
}

}  // namespace marnelok
