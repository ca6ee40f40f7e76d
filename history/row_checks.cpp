// SPDX-License-Identifier: GPL-3.0-or-later
// The conditions on the history's rows. Each is written so that it is never NULL.
#include "row_checks.h"

#include <QStringList>
#include <limits>

#include "game_state.h"
#include "hand.h"
#include "position.h"

namespace marnelok::history {
namespace {

// An integer column within [low, high]; text or a fraction is no number a game writes.
QString Whole(const QString& column, qint64 low, qint64 high) {
  return QStringLiteral("typeof(%1) = 'integer' AND %1 BETWEEN %2 AND %3")
      .arg(column)
      .arg(low)
      .arg(high);
}

}  // namespace

QString SoundGame(const QString& table) {
  const auto c = [&table](const char* column) { return table + QString::fromLatin1(column); };
  QStringList terms{
      Whole(c("total"), 0, kHighestTotal),
      Whole(c("deal"), 0, 4294967295LL),
      QStringLiteral("%1 IN ('regular', 'throw-down')").arg(c("kind")),
      QStringLiteral("%1 IN (0, 1)").arg(c("finished")),
      QStringLiteral("%1 IN (0, 1)").arg(c("demo")),
      // Won is what a finished game of enough points is, and nothing else.
      QStringLiteral("%1 IS (%2 = 1 AND %3 >= %4)")
          .arg(c("won"), c("finished"), c("total"))
          .arg(kWinningScore),
      Whole(c("hints"), 0, std::numeric_limits<int>::max()),  // as many as a count holds
      QStringLiteral("(%1 IS NULL OR %2)").arg(c("par"), Whole(c("par"), 0, kHighestTotal)),
      // A daily deal is a regular game with a real date.
      QStringLiteral("(%1 IS NULL OR %2 = 'regular' AND date(%1) IS %1)")
          .arg(c("daily"), c("kind")),
  };
  // A finished game has all ten lines; a game left early may lack any of them.
  for (const char* line :
       {"row1", "row2", "row3", "row4", "row5", "col1", "col2", "col3", "col4", "col5"})
    terms << QStringLiteral("(%1 IS NULL AND %2 = 0 OR %3)")
                 .arg(c(line), c("finished"), Whole(c(line), 0, kHandClassCount - 1));
  return QLatin1Char('(') + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

QString SoundReview(const QString& table) {
  const auto c = [&table](const char* column) { return table + QString::fromLatin1(column); };
  QStringList terms{Whole(c("best_cell"), 0, kGridCells - 1)};
  for (const char* expected : {"expected_chosen", "expected_best"})
    terms << QStringLiteral("typeof(%1) IN ('integer', 'real') AND %1 BETWEEN 0 AND %2")
                 .arg(c(expected))
                 .arg(kHighestTotal);
  return QLatin1Char('(') + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

QString SoundPlacement(const QString& table) {
  const auto c = [&table](const char* column) { return table + QString::fromLatin1(column); };
  // A review is whole or absent; a thrown card has none.
  return QStringLiteral(
             "(%1 AND %2 AND %3 AND %4 IN (0, 1) AND (%5 IS NULL AND %6 IS NULL AND "
             "%7 IS NULL OR %4 = 0 AND %8))")
      .arg(Whole(c("turn"), 1, kCardsPerGame), Whole(c("card"), 1, 52),
           Whole(c("cell"), 0, kGridCells - 1), c("thrown"), c("best_cell"), c("expected_chosen"),
           c("expected_best"), SoundReview(table));
}

QString IgnoredGames() {
  return QStringLiteral("SELECT id FROM games WHERE %1 IS NOT 1").arg(SoundGame());
}

QString SoundGameId(const QString& column) {
  return QStringLiteral("%1 NOT IN (%2)").arg(column, IgnoredGames());
}

QString IgnoredPlacements() {
  return QStringLiteral("SELECT game_id FROM placements WHERE %1 IS NOT 1").arg(SoundPlacement());
}

}  // namespace marnelok::history
