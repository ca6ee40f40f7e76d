// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the donation picture's words.
#include "donate_words.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace marnelok {
namespace {

// The felt right of the cards, where the words go, in the picture's own pixels.
constexpr QRectF kColumn(150, 22, 186, 100);
constexpr double kSentenceTop = 60;

QFont WordsFont(double pixels, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, qRound(pixels)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// The font at `pixels`, made smaller where a line of `text` would not fit the column.
QFont Fitted(const QString& text, double pixels, bool bold) {
  QFont font = WordsFont(pixels, bold);
  double widest = 0;
  for (const QString& line : text.split(u'\n'))
    widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(line));
  if (widest > kColumn.width())
    font = WordsFont(std::max(pixels * 0.6, pixels * kColumn.width() / widest - 0.5), bold);
  return font;
}

}  // namespace

QImage DonateWords::Over(QImage picture) {
  if (picture.isNull()) return picture;
  //: Over the donation picture, white on green, in two short lines of at most 15 letters.
  const QString heading = tr("Enjoying\nMarnelok?");
  //: Over the donation picture, under the heading, in two lines of at most 24 letters.
  const QString sentence = tr("A small donation keeps\nthe cards shuffling.");
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(Fitted(heading, 21, true));
  p.setPen(QColor(0, 40, 0, 120));
  p.drawText(kColumn.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, heading);
  p.setPen(QColor(255, 248, 220));
  p.drawText(kColumn, Qt::AlignHCenter | Qt::AlignTop, heading);
  p.setFont(Fitted(sentence, 12, false));
  p.setPen(QColor(236, 230, 200));
  p.drawText(kColumn.adjusted(0, kSentenceTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop, sentence);
  return picture;
}

}  // namespace marnelok
