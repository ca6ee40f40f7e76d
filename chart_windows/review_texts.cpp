// SPDX-License-Identifier: GPL-3.0-or-later
// The review window's texts.
#include "review_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <array>

#include "cards.h"
#include "position.h"

namespace marnelok {
namespace {

// The review window's words in the program's catalogue.
class ReviewTexts {
  Q_DECLARE_TR_FUNCTIONS(marnelok::ReviewTexts)
};

}  // namespace

namespace review_texts {

QString WindowTitle() { return ReviewTexts::tr("Game Review"); }

QString Header(int column) {
  //: The headings of the list of placements.
  static const std::array<const char*, 8> kHeaders = {
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Turn"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Card"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Placed at"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Best cell"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Expected total"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "With the best cell"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Points lost"),
      QT_TRANSLATE_NOOP("marnelok::ReviewTexts", "Costliest")};
  if (column < 0 || column >= static_cast<int>(kHeaders.size())) return {};
  return ReviewTexts::tr(kHeaders[static_cast<std::size_t>(column)]);
}

QString Card(int code) {
  // The ranks are the letters that the card faces show, in every language; the suits in the
  // order of the codes: hearts, clubs, diamonds, spades.
  static const std::array<const char*, 4> kSuits = {"\u2665", "\u2663", "\u2666", "\u2660"};
  if (!IsCard(code)) return QStringLiteral("?");
  const std::string_view rank = RankLabel(CardRank(code));
  return QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size())) +
         QString::fromUtf8(kSuits[static_cast<std::size_t>(CardSuit(code) - 1)]);
}

QString Cell(int cell) {
  //: A cell of the grid in the list, rows and columns counted from 1 at the top left.
  return ReviewTexts::tr("Row %1, column %2").arg(cell / kGridSize + 1).arg(cell % kGridSize + 1);
}

QString CellInText(int cell) {
  //: A cell of the grid within a sentence of the caption below the table.
  return ReviewTexts::tr("row %1, column %2").arg(cell / kGridSize + 1).arg(cell % kGridSize + 1);
}

QString ThrownDown() { return ReviewTexts::tr("Thrown down"); }
QString NotJudged() { return ReviewTexts::tr("Not judged"); }
QString Number(double value) { return QLocale().toString(value, 'f', 1); }

QString DealLine(std::uint32_t deal, GameKind kind) {
  return kind == GameKind::kRegular ? ReviewTexts::tr("Deal %1, regular game").arg(deal)
                                    : ReviewTexts::tr("Deal %1, throw-down game").arg(deal);
}
QString PlayedByTheDemo() { return ReviewTexts::tr("The demo placed cards in this game."); }
QString TotalLine(int total) { return ReviewTexts::tr("Total: %1").arg(QLocale().toString(total)); }
QString ParLine(int par, int total) {
  const QLocale locale;
  const int against = total - par;
  const QString signedText =
      against > 0 ? locale.positiveSign() + locale.toString(against) : locale.toString(against);
  return ReviewTexts::tr("The advisor scored %1 on this deal: %2 against par")
      .arg(locale.toString(par), signedText);
}
QString PointsLostLine(double points) {
  return ReviewTexts::tr("Points lost: %1").arg(Number(points));
}
QString CloseToBestLine(int close, int judged, double share) {
  return ReviewTexts::tr("Placements within half a point of the best: %1 of %2 (%3 %)")
      .arg(close)
      .arg(judged)
      .arg(QLocale().toString(100 * share, 'f', 0));
}
QString CostliestLine(int count, const QString& turns) {
  return count == 1
             ? ReviewTexts::tr("Costliest placement (marked in the list): turn %1").arg(turns)
             : ReviewTexts::tr("Costliest placements (marked in the list): turns %1").arg(turns);
}
QString NoneCostly() {
  return ReviewTexts::tr("Every placement was within half a point of the best.");
}
QString PartialLine(int judged, int total) {
  return ReviewTexts::tr(
             "The review was stopped with %n of %1 placements judged; Resume finishes it.", nullptr,
             judged)
      .arg(total);
}

QString Reading() { return ReviewTexts::tr("Reading the game..."); }
//: The progress bar's text: %v is the placements judged so far, %m all of them.
QString Judging() { return ReviewTexts::tr("Judging the placements: %v of %m"); }
QString JudgingName() { return ReviewTexts::tr("Judging the placements"); }
QString PictureName(int turn) { return ReviewTexts::tr("The table at turn %1").arg(turn); }
QString NoFinishedGame() {
  return ReviewTexts::tr("The history holds no finished game yet: finish a game, then review it.");
}
QString StoppedBeforeReading() { return ReviewTexts::tr("The review was stopped."); }
QString CannotRead(const QString& error) {
  return ReviewTexts::tr("The game cannot be reviewed: %1").arg(error);
}

//: The review window's buttons; Cancel and Resume are one button at different times.
QString Cancel() { return ReviewTexts::tr("&Cancel"); }
QString Resume() { return ReviewTexts::tr("&Resume"); }
QString Close() { return ReviewTexts::tr("C&lose"); }

QString ThrownCaption(int turn, int card) {
  //: %2 is a card as the list shows it: 10♥, Q♠.
  return ReviewTexts::tr("Turn %1: the %2 was thrown down before play, so it is not judged.")
      .arg(turn)
      .arg(Card(card));
}
QString UnjudgedCaption(int turn, int card, int cell) {
  return ReviewTexts::tr("Turn %1: the %2 went to %3. It has not been judged.")
      .arg(turn)
      .arg(Card(card), CellInText(cell));
}
QString JudgedCaption(int turn, int card, int cell, double expected, int bestCell,
                      double bestExpected, double lost) {
  return ReviewTexts::tr(
             "Turn %1: the %2 went to %3, for an expected total of %4. The best cell "
             "was %5, for %6. Points lost: %7.")
      .arg(QString::number(turn), Card(card), CellInText(cell), Number(expected),
           CellInText(bestCell), Number(bestExpected), Number(lost));
}
QString Legend() {
  return ReviewTexts::tr(
      "Solid magenta frame: where the card went. Dashed cyan frame: the "
      "advisor's best cell.");
}

QString ChartTitle() { return ReviewTexts::tr("Expected final total after each placement"); }
QString ChosenSeries() { return ReviewTexts::tr("As played"); }
QString BestSeries() { return ReviewTexts::tr("With the best placement"); }
QString CostliestSeries() { return ReviewTexts::tr("Costliest"); }
QString TurnAxis() { return ReviewTexts::tr("Turn"); }
QString PointsAxis() { return ReviewTexts::tr("Points"); }

}  // namespace review_texts
}  // namespace marnelok
