// SPDX-License-Identifier: GPL-3.0-or-later
// The donation header: a felt banner like the game table, a fanned royal flush with a heart
// and a few coins in front of it, with room on the felt for the words that the program draws
// over it in the player's language.
#include "donate_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "mini_card.h"
#include "suit_shapes.h"

namespace marnelok {
namespace {

constexpr QColor kDialogBackground(192, 220, 192);
constexpr QRectF kBanner(4.5, 4.5, 341, 126);

void paintBanner(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 60, 0, 60));
  p.drawRoundedRect(kBanner.translated(2, 2), 12, 12);
  QRadialGradient felt(QPointF(120, 60), 260);
  felt.setColorAt(0.0, QColor(44, 146, 70));
  felt.setColorAt(1.0, QColor(14, 80, 38));
  p.setBrush(felt);
  p.setPen(QPen(QColor(196, 156, 64), 2.0));
  p.drawRoundedRect(kBanner, 12, 12);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(226, 196, 110, 150), 1.0));
  p.drawRoundedRect(kBanner.adjusted(5, 5, -5, -5), 8, 8);
}

void paintHand(QPainter& p) {
  const char* ranks[] = {"10", "J", "Q", "K", "A"};
  double angle = -30;
  for (const char* rank : ranks) {
    p.save();
    p.translate(84, 150);
    p.rotate(angle);
    drawMiniCard(p, QRectF(-20, -128, 40, 56), {QString::fromLatin1(rank), Suit::Hearts});
    p.restore();
    angle += 15;
  }
}

void paintCoin(QPainter& p, QPointF centre) {
  const QRectF face(centre.x() - 13, centre.y() - 5, 26, 10);
  p.setPen(QPen(QColor(150, 104, 20), 1.0));
  p.setBrush(QColor(214, 160, 40));
  p.drawEllipse(face.translated(0, 2.5));
  QLinearGradient shine(face.topLeft(), face.bottomRight());
  shine.setColorAt(0.0, QColor(255, 232, 140));
  shine.setColorAt(1.0, QColor(232, 178, 48));
  p.setBrush(shine);
  p.drawEllipse(face);
}

void paintHeartAndCoins(QPainter& p) {
  for (int i = 0; i < 4; ++i) paintCoin(p, QPointF(138, 114 - 5 * i));
  const QRectF heartBox(96, 70, 40, 38);
  p.setPen(QPen(QColor(255, 255, 255), 3.0));
  p.setBrush(QColor(220, 20, 40));
  p.drawPath(suitPath(Suit::Hearts, heartBox));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(QPointF(107, 80), 5, 3.5);
}

}  // namespace

QImage donatePicture(int scale) {
  QImage image(QSize(350, 135) * scale, QImage::Format_RGB32);
  image.fill(kDialogBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale, scale);
  paintBanner(p);
  QPainterPath inside;
  inside.addRoundedRect(kBanner.adjusted(1, 1, -1, -1), 11, 11);
  p.setClipPath(inside);
  paintHand(p);
  paintHeartAndCoins(p);
  p.end();
  return image;
}

}  // namespace marnelok
