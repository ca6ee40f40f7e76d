// SPDX-License-Identifier: GPL-3.0-or-later
// The review window's texts.
#include "review_texts.h"

#include <QLocale>
#include <array>

namespace marnelok::review_texts {

QString WindowTitle() { return QStringLiteral("Game Review"); }

QString Header(int column) {
  static const std::array<const char*, 8> kHeaders = {
      "Turn", "Card", "Placed at", "Best cell", "Expected total", "With the best cell",
      "Points lost", "Costliest"};
  if (column < 0 || column >= static_cast<int>(kHeaders.size())) return {};
  return QString::fromUtf8(kHeaders[static_cast<std::size_t>(column)]);
}

QString Card(int code) {
  // Codes run from the two up to the ace within each suit: hearts, clubs, diamonds, spades.
  static const std::array<const char*, 13> kRanks = {"2", "3",  "4", "5", "6", "7", "8",
                                                     "9", "10", "J", "Q", "K", "A"};
  static const std::array<const char*, 4> kSuits = {"\u2665", "\u2663", "\u2666", "\u2660"};
  if (code < 1 || code > 52) return QStringLiteral("?");
  return QString::fromUtf8(kRanks[static_cast<std::size_t>((code - 1) % 13)]) +
         QString::fromUtf8(kSuits[static_cast<std::size_t>((code - 1) / 13)]);
}

QString Cell(int cell) {
  return QStringLiteral("Row %1, column %2").arg(cell / 5 + 1).arg(cell % 5 + 1);
}

QString CellInText(int cell) {
  return QStringLiteral("row %1, column %2").arg(cell / 5 + 1).arg(cell % 5 + 1);
}

QString ThrownDown() { return QStringLiteral("Thrown down"); }
QString NotJudged() { return QStringLiteral("Not judged"); }
QString Number(double value) { return QLocale().toString(value, 'f', 1); }

QString DealLine(std::uint32_t deal, bool regular) {
  return regular ? QStringLiteral("Deal %1, regular game").arg(deal)
                 : QStringLiteral("Deal %1, throw-down game").arg(deal);
}
QString PlayedByTheDemo() { return QStringLiteral("The demo placed cards in this game."); }
QString TotalLine(int total) { return QStringLiteral("Total: %1").arg(QLocale().toString(total)); }
QString PointsLostLine(double points) {
  return QStringLiteral("Points lost: %1").arg(Number(points));
}
QString CloseToBestLine(int close, int judged, double share) {
  return QStringLiteral("Placements within half a point of the best: %1 of %2 (%3 %)")
      .arg(close)
      .arg(judged)
      .arg(QLocale().toString(100 * share, 'f', 0));
}
QString CostliestLine(int count, const QString& turns) {
  return count == 1 ? QStringLiteral("Costliest placement (marked in the list): turn %1").arg(turns)
                    : QStringLiteral("Costliest placements (marked in the list): turns %1")
                          .arg(turns);
}
QString NoneCostly() {
  return QStringLiteral("Every placement was within half a point of the best.");
}
QString PartialLine(int judged, int total) {
  return QStringLiteral("The review was stopped with %1 of %2 placements judged; Resume "
                        "finishes it.")
      .arg(judged)
      .arg(total);
}

QString Reading() { return QStringLiteral("Reading the game..."); }
QString Judging() { return QStringLiteral("Judging the placements: %v of %m"); }
QString NoFinishedGame() {
  return QStringLiteral("The history holds no finished game yet: finish a game, then review it.");
}
QString StoppedBeforeReading() { return QStringLiteral("The review was stopped."); }
QString CannotRead(const QString& error) {
  return QStringLiteral("The game cannot be reviewed: %1").arg(error);
}

QString Cancel() { return QStringLiteral("&Cancel"); }
QString Resume() { return QStringLiteral("&Resume"); }
QString Close() { return QStringLiteral("C&lose"); }

QString ThrownCaption(int turn, int card) {
  return QStringLiteral("Turn %1: the %2 was thrown down before play, so it is not judged.")
      .arg(turn)
      .arg(Card(card));
}
QString UnjudgedCaption(int turn, int card, int cell) {
  return QStringLiteral("Turn %1: the %2 went to %3. It has not been judged.")
      .arg(turn)
      .arg(Card(card), CellInText(cell));
}
QString JudgedCaption(int turn, int card, int cell, double expected, int bestCell,
                      double bestExpected, double lost) {
  return QStringLiteral("Turn %1: the %2 went to %3, for an expected total of %4. The best cell "
                        "was %5, for %6. Points lost: %7.")
      .arg(QString::number(turn), Card(card), CellInText(cell), Number(expected),
           CellInText(bestCell), Number(bestExpected), Number(lost));
}
QString Legend() {
  return QStringLiteral("Solid magenta frame: where the card went. Dashed cyan frame: the "
                        "advisor's best cell.");
}

QString ChartTitle() { return QStringLiteral("Expected final total after each placement"); }
QString ChosenSeries() { return QStringLiteral("As played"); }
QString BestSeries() { return QStringLiteral("With the best placement"); }
QString CostliestSeries() { return QStringLiteral("Costliest"); }
QString TurnAxis() { return QStringLiteral("Turn"); }
QString PointsAxis() { return QStringLiteral("Points"); }

}  // namespace marnelok::review_texts
