// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the games against par and of the daily deal.
#include "par_daily_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace marnelok {
namespace {

class StatisticsParts {
  Q_DECLARE_TR_FUNCTIONS(marnelok::StatisticsParts)
};

QString Signed(int value, const QLocale& locale) {
  return value > 0 ? locale.positiveSign() + locale.toString(value) : locale.toString(value);
}

}  // namespace

namespace par_daily_texts {

//: The title of the Statistics window's part on the games against the advisor's total.
QString AgainstParTitle() { return StatisticsParts::tr("Against par"); }
//: The title of the Statistics window's part on the daily deal.
QString DailyTitle() { return StatisticsParts::tr("Daily"); }

QString AgainstPar(const history::ParFigures& par) {
  if (par.compared == 0)
    return StatisticsParts::tr(
        "Par is the advisor's total on the same deal. No finished game "
        "has its par yet.");
  const QLocale locale;
  return QStringList{
      StatisticsParts::tr("Games at or above par: %1 of %2")
          .arg(locale.toString(par.atOrAbove), locale.toString(par.compared)),
      StatisticsParts::tr("Mean of total minus par: %1")
          .arg(par.meanAgainst > 0
                   ? locale.positiveSign() + locale.toString(par.meanAgainst, 'f', 1)
                   : locale.toString(par.meanAgainst, 'f', 1)),
      StatisticsParts::tr("Best game against par: %1").arg(Signed(par.bestAgainst, locale))}
      .join(u'\n');
}

QString Daily(const history::DailyFigures& daily) {
  const QLocale locale;
  QString today;
  if (!daily.today)
    today = StatisticsParts::tr("Today: not played yet");
  else if (!daily.today->total)
    today = StatisticsParts::tr("Today: not finished yet");
  else if (!daily.today->par)
    today = StatisticsParts::tr("Today: %1, par not yet known")
                .arg(locale.toString(*daily.today->total));
  else
    today = StatisticsParts::tr("Today: %1, par %2 (%3)")
                .arg(locale.toString(*daily.today->total), locale.toString(*daily.today->par),
                     Signed(*daily.today->total - *daily.today->par, locale));
  return QStringList{
      StatisticsParts::tr("Days played: %1").arg(locale.toString(daily.daysPlayed)),
      StatisticsParts::tr("Current run of days: %1").arg(locale.toString(daily.currentRun)),
      StatisticsParts::tr("Longest run of days: %1").arg(locale.toString(daily.longestRun)),
      StatisticsParts::tr("Best daily total: %1")
          .arg(daily.bestTotal ? locale.toString(*daily.bestTotal) : QStringLiteral("-")),
      today}
      .join(u'\n');
}

}  // namespace par_daily_texts
}  // namespace marnelok
