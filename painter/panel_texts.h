// SPDX-License-Identifier: GPL-3.0-or-later
// The words the table draws: the score panel's headings and hand names, the "Play..." label,
// the next-game tile, the Top 5 panel and the WIN banner, in the player's language. In
// English they are the program's own texts, exactly.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace marnelok {

class PanelTexts {
  Q_DECLARE_TR_FUNCTIONS(PanelTexts)

 public:
  // The name of a hand class as the player reads it: "One Pair (2)". A class outside the hand
  // table (only a damaged state holds one) is named as class 0.
  static QString Hand(int handClass);
  // The name as the score panel draws it: padded with spaces to the hand table's 20
  // characters, so that in English it is the hand table's own name.
  static QString PaddedHand(int handClass);
  static QString Score();
  static QString DownTheColumns();
  static QString AcrossTheRows();
  static QString TotalScore();
  static QString Play();              // above the current card
  static QStringList NextGameTile();  // the tile's lines: "Click", "for", "next", "Game!"
  static QString TopFiveTitle();
  static QString TopFiveResume();
  // An entry's name as the Top 5 panel shows it: the reset list's "None" (with score 0) in
  // the player's language, every other name as it is kept.
  static QString TopFiveName(const QString& name, int score);
  static QString Win();
};

}  // namespace marnelok
