// SPDX-License-Identifier: GPL-3.0-or-later
// The words in which the table is told to assistive technology: cards, lines, the total, the
// Top 5 list and the banner. They are kept together and marked for Qt's translation tools.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace marnelok {

class TableWords {
  Q_DECLARE_TR_FUNCTIONS(TableWords)

 public:
  // "Queen of Spades" for a card code 1 to 52; "Empty" for anything else.
  static QString Card(int code);
  // "Current card: Seven of Clubs" while a card waits; else how the next game is dealt.
  static QString CurrentCard(int code);
  static QString ColumnLine(int column, int handClass);                   // "Column 3: Flush (20)"
  static QString RowLine(int row, int handClass);                         // "Row 5: None"
  static QString Total(int total);                                        // "Total Score: 42"
  static QString TopFiveEntry(int rank, const QString& name, int score);  // "1. Ada: 152"
  // Where a game stands, for the table's description.
  static QString Progress(bool gameActive, int dealCount, int cardsPlaced, int total);
  static QString Table() { return tr("Marnelok table"); }
  static QString Grid() { return tr("Grid"); }
  static QString ScorePanel() { return tr("Score"); }
  static QString TopFiveTitle() { return tr("The Marnelok Top 5 List"); }
  static QString TopFiveResume() { return tr("Click or press Enter to resume"); }
  static QString Win() { return tr("WIN"); }
  static QString WinDescription() { return tr("150 points or more: a win"); }
  // The name prompt's description: the score that enters the Top 5 list.
  static QString ScoreBeingEntered(int score);
};

}  // namespace marnelok
