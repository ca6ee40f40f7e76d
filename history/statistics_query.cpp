// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics queries. Every figure comes from the summary tables (a few hundred rows at
// most) or from an index, so reading costs the same with 100 games as with 100,000.
#include "statistics_query.h"

#include <algorithm>
#include <map>

#include "game_record.h"
#include "row_checks.h"
#include "schema.h"
#include "sql_batch.h"

namespace marnelok::history {
namespace {

KindFigures& FiguresOf(Statistics& s, const QString& kind) {
  return KindOfText(kind) == GameKind::kRegular ? s.regular : s.throwDown;
}

// Mean, median, best and worst of a distribution of totals (total -> games).
void Describe(const std::map<int, std::int64_t>& totals, KindFigures& f) {
  std::int64_t games = 0;
  double sum = 0;
  for (const auto& [total, n] : totals) {
    games += n;
    sum += double(total) * double(n);
  }
  if (games == 0) return;
  f.mean = sum / double(games);
  f.worst = totals.begin()->first;
  f.best = totals.rbegin()->first;
  // The middle game, or the two middle games' mean for an even count.
  const std::int64_t low = (games - 1) / 2, high = games / 2;
  std::int64_t seen = 0;
  int lowTotal = 0;
  for (const auto& [total, n] : totals) {
    if (seen <= low && low < seen + n) lowTotal = total;
    if (seen <= high && high < seen + n) {
      f.median = (lowTotal + total) / 2.0;
      break;
    }
    seen += n;
  }
}

// The games that count. A history without a row that no game can make (nearly every one)
// spares each game its lookup among those rows.
struct Filter {
  bool anyIgnored = true;
  QString Counted() const { return anyIgnored ? CountedGames() : QStringLiteral("demo = 0"); }
  QString Sound(const QString& id) const {
    return anyIgnored ? SoundGameId(id) : QStringLiteral("1");
  }
};

// How many games no game can make, found through the partial index that holds only them.
Filter FilterOf(SqlBatch& batch) {
  return {batch.Value(QStringLiteral("SELECT count(*) FROM (%1)").arg(IgnoredGames())).toInt() > 0};
}

// The games that count are the games without a demo less the few of those that are ignored,
// which costs one pass over an index and a lookup of each ignored game only ("+demo" keeps
// the planner from walking every game's demo instead).
bool SummariesComplete(SqlBatch& batch) {
  return batch
      .Value(QStringLiteral("SELECT (SELECT total(games) FROM summary_kinds) = "
                            "(SELECT count(*) FROM games WHERE demo = 0) - "
                            "(SELECT count(*) FROM games WHERE id IN (%1) AND +demo = 0)")
                 .arg(IgnoredGames()))
      .toBool();
}

// The rows that no game can make, of games and of placements.
void ReadIgnored(SqlBatch& batch, Statistics& s) {
  s.ignoredRows = batch
                      .Value(QStringLiteral("SELECT (SELECT count(*) FROM (%1)) + (SELECT "
                                            "count(*) FROM (%2))")
                                 .arg(IgnoredGames(), IgnoredPlacements()))
                      .toLongLong();
}

void ReadFigures(SqlBatch& batch, Statistics& s) {
  QSqlQuery q =
      batch.Run(QStringLiteral("SELECT kind, games, finished, won, hinted FROM summary_kinds"));
  while (q.next()) {
    KindFigures& f = FiguresOf(s, q.value(0).toString());
    f.played = q.value(1).toLongLong();
    f.finished = q.value(2).toLongLong();
    f.won = q.value(3).toLongLong();
    f.withHints = q.value(4).toLongLong();
  }
  std::map<int, std::int64_t> regular, throwDown, all;
  q = batch.Run(QStringLiteral("SELECT kind, total, games FROM summary_totals"));
  while (q.next()) {
    // The summaries are a file's rows too: a count no game can make is left out, so that no
    // figure or bar comes from it.
    const qint64 stored = q.value(1).toLongLong();
    const std::int64_t n = q.value(2).toLongLong();
    if (stored < 0 || stored > kHighestTotal || n <= 0) continue;
    const int total = static_cast<int>(stored);
    (KindOfText(q.value(0).toString()) == GameKind::kRegular ? regular : throwDown)[total] += n;
    all[total] += n;
  }
  Describe(regular, s.regular);
  Describe(throwDown, s.throwDown);
  Describe(all, s.all);
  for (const auto& [total, n] : all) {
    const auto bin = static_cast<std::size_t>(std::max(total, 0) / kHistogramBin);
    if (s.histogram.size() <= bin) s.histogram.resize(bin + 1);
    s.histogram[bin] += n;
  }
  q = batch.Run(QStringLiteral("SELECT kind, hand, lines FROM summary_hands"));
  while (q.next()) {
    const int hand = q.value(1).toInt();
    if (hand < 0 || hand >= kHandClasses) continue;
    FiguresOf(s, q.value(0).toString()).hands[static_cast<std::size_t>(hand)] =
        q.value(2).toLongLong();
  }
  q = batch.Run(QStringLiteral("SELECT scope, current_run, longest_run FROM summary_runs"));
  while (q.next()) {
    const QString scope = q.value(0).toString();
    KindFigures& f = scope == QStringLiteral("all") ? s.all : FiguresOf(s, scope);
    f.currentRun = q.value(1).toLongLong();
    f.longestRun = q.value(2).toLongLong();
  }
  for (const KindFigures* kind : {&s.regular, &s.throwDown}) {
    s.all.played += kind->played;
    s.all.finished += kind->finished;
    s.all.won += kind->won;
    s.all.withHints += kind->withHints;
    for (int h = 0; h < kHandClasses; ++h)
      s.all.hands[static_cast<std::size_t>(h)] += kind->hands[static_cast<std::size_t>(h)];
  }
}

// At most kMeanPoints points spread evenly over the ids of the finished games, each the mean of
// the kMeanOfLast finished games up to it: a few thousand index steps, however long the history.
void ReadMeans(SqlBatch& batch, Statistics& s, const Filter& filter) {
  const QString ends = QStringLiteral("SELECT %1(id) FROM games WHERE ") + filter.Counted() +
                       QStringLiteral(" AND finished = 1");
  const QVariant first = batch.Value(ends.arg(QStringLiteral("min")));
  const QVariant last = batch.Value(ends.arg(QStringLiteral("max")));
  if (first.isNull() || last.isNull()) return;
  const qint64 lo = first.toLongLong(), hi = last.toLongLong();
  const qint64 steps = std::min<qint64>(kMeanPoints - 1, hi - lo);
  QSqlQuery q = batch.Run(
      QStringLiteral(
          "WITH RECURSIVE step(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM step WHERE k < %3) "
          "SELECT x, (SELECT avg(total) FROM (SELECT total FROM games "
          "  WHERE %5 AND finished = 1 AND id <= x ORDER BY id DESC LIMIT %4)) "
          "FROM (SELECT %1 + CASE WHEN %3 = 0 THEN 0 ELSE k * (%2 - %1) / %3 END AS x FROM step)")
          .arg(lo)
          .arg(hi)
          .arg(steps)
          .arg(kMeanOfLast)
          .arg(filter.Counted()));
  while (q.next()) s.means.push_back({q.value(0).toLongLong(), q.value(1).toDouble()});
}

// Games without a par count in neither figure until theirs is worked out.
void ReadPar(SqlBatch& batch, Statistics& s, const Filter& filter) {
  QSqlQuery q = batch.Run(
      QStringLiteral("SELECT count(*), total(total >= par), avg(total - par), max(total - par) "
                     "FROM games WHERE %1 AND finished = 1 AND par IS NOT NULL")
          .arg(filter.Counted()));
  if (!q.next()) return;
  s.par.compared = q.value(0).toLongLong();
  s.par.atOrAbove = q.value(1).toLongLong();
  s.par.meanAgainst = q.value(2).toDouble();
  s.par.bestAgainst = q.value(3).toInt();
}

void ReadDaily(SqlBatch& batch, Statistics& s, const QDate& today, const Filter& filter) {
  QSqlQuery q = batch.Run(
      QStringLiteral(
          "SELECT daily, (SELECT total FROM games f WHERE f.daily = d.daily AND f.demo = 0 "
          "AND %1 AND f.finished = 1 ORDER BY f.id LIMIT 1), max(par) FROM games d "
          "WHERE daily IS NOT NULL AND demo = 0 AND %2 GROUP BY daily ORDER BY daily")
          .arg(filter.Sound(QStringLiteral("f.id")), filter.Sound(QStringLiteral("d.id"))));
  std::vector<DailyDay> days;
  while (q.next()) {
    DailyDay day{QDate::fromString(q.value(0).toString(), Qt::ISODate), {}, {}};
    if (!day.date.isValid()) continue;
    if (!q.value(1).isNull()) day.total = q.value(1).toInt();
    if (!q.value(2).isNull()) day.par = q.value(2).toInt();
    days.push_back(day);
  }
  s.daily = DailyFiguresOf(days, today);
}

void ReadRecent(SqlBatch& batch, Statistics& s, int recentGames, const Filter& filter) {
  QSqlQuery q = batch.Run(
      QStringLiteral("SELECT id, finished_at, deal, kind, total, won, finished, hints, demo, par, "
                     "daily FROM games WHERE %1 ORDER BY id DESC LIMIT ?")
          .arg(filter.Sound(QStringLiteral("id"))),
      {recentGames});
  while (q.next()) {
    RecentGame g;
    g.id = q.value(0).toLongLong();
    g.endedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
    g.deal = static_cast<std::uint32_t>(q.value(2).toLongLong());
    g.kind = KindOfText(q.value(3).toString());
    g.total = q.value(4).toInt();
    g.won = q.value(5).toBool();
    g.finished = q.value(6).toBool();
    g.hints = q.value(7).toInt();
    g.demo = q.value(8).toBool();
    if (!q.value(9).isNull()) g.par = q.value(9).toInt();
    g.daily = !q.value(10).isNull();
    s.recent.push_back(g);
  }
}

}  // namespace

StatisticsResult ReadStatistics(const QSqlDatabase& db, int recentGames, const QDate& today) {
  StatisticsResult result;
  {
    SqlBatch check(db);
    check.BeginRead();
    const bool complete = SummariesComplete(check);
    check.Finish();
    if (!check.failed() && !complete) {
      SqlBatch rebuild(db);
      rebuild.BeginWrite();
      RebuildSummaries(rebuild);
      if (!rebuild.Finish()) {
        result.error = rebuild.fault()->text;
        return result;
      }
    }
  }
  SqlBatch batch(db);
  batch.BeginRead();
  const Filter filter = FilterOf(batch);
  ReadFigures(batch, result.statistics);
  ReadMeans(batch, result.statistics, filter);
  ReadRecent(batch, result.statistics, recentGames, filter);
  ReadPar(batch, result.statistics, filter);
  ReadDaily(batch, result.statistics, today, filter);
  ReadIgnored(batch, result.statistics);
  if (!batch.Finish()) {
    result.statistics = {};
    result.error = batch.fault() ? batch.fault()->text : QString();
  }
  return result;
}

}  // namespace marnelok::history
