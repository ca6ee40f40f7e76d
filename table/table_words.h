// SPDX-License-Identifier: GPL-3.0-or-later
// The words in which the table is told to assistive technology: cards, lines, the total, the
// Top 5 list and the banner. They are kept together and marked for Qt's translation tools.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

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

  // What is told as it happens; rows and columns of the grid count from 1.
  static QString Placed(int code, int row, int column);     // "Queen of Clubs to row 1, column 1."
  static QString Next(int code);                            // "Next: Two of Spades."
  static QString RowDone(int row, int handClass);           // "Row 1: One Pair (2)."
  static QString ColumnDone(int column, int handClass);     // "Column 4: Flush (20)."
  static QString TotalNews(int total);                      // "Total 2."
  static QString GameOver(int total);                       // "Game over. Total 152. WIN."
  static QString TopFive(bool entered);                     // whether the total enters the list
  static QString TakenBack(int code, int row, int column);  // what Undo took back, and whence
  static QString DealNumber(std::uint32_t deal);            // "Deal 1234", the current card's
  static QString Dealt(int code);                           // "New game. First card: Six of Clubs."
  static QString Position(int row, int column);             // "Row 2, column 3."
  static QString Hint(int row, int column);                 // "Hint: row 3, column 5."
  // The current card and the total, on demand.
  static QString Status(int code, bool gameActive, int total);
};

}  // namespace marnelok
