// SPDX-License-Identifier: GPL-3.0-or-later
// Plain facts about the game, as the rules report them, for everything in the window that
// follows the game without being the table itself.
#pragma once

#include <QObject>
#include <QString>

namespace marnelok {

// The window passes on what the rules report; whoever follows the game connects here rather
// than to the window: the commands' enabled states, the hint, what a screen reader is told,
// and next the history of games or a review. The signals arrive at once, in the order the rules
// report, on the window's thread.
class GameFacts : public QObject {
  Q_OBJECT

 signals:
  // A deal, a placement or an undo is about to change the table; nothing of it is drawn yet.
  void changing();
  void undoPossible(bool possible);  // the last placement can be taken back
  void cardCurrent(bool current);    // a card waits to be placed: a game is in progress
  // The 25th card ended a game and the Top 5 prompt, if any, was answered: `player` is the
  // name entered there, null when none was asked.
  void finished(const QString& player);
  // The window's own fact: the Top 5 panel has come up over the board, or gone.
  void topFiveShown(bool shown);
};

}  // namespace marnelok
