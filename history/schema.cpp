// SPDX-License-Identifier: GPL-3.0-or-later
// The history's tables and the steps from one schema version to the next. docs/history.md
// describes them for players who query the file themselves.
#include "schema.h"

#include <QCoreApplication>
#include <QStringList>

#include "row_checks.h"

namespace marnelok::history {
namespace {

// Version 1: one row per game, its ten lines' hand classes as columns (NULL while a line is not
// complete), and one row per card that reached the grid.
const char* const kVersion1[] = {
    R"(CREATE TABLE games(
  id INTEGER PRIMARY KEY,
  started_at TEXT NOT NULL,
  finished_at TEXT NOT NULL,
  deal INTEGER NOT NULL CHECK (deal BETWEEN 0 AND 4294967295),
  kind TEXT NOT NULL CHECK (kind IN ('regular', 'throw-down')),
  total INTEGER NOT NULL,
  won INTEGER NOT NULL CHECK (won IN (0, 1)),
  finished INTEGER NOT NULL CHECK (finished IN (0, 1)),
  hints INTEGER NOT NULL DEFAULT 0,
  demo INTEGER NOT NULL DEFAULT 0 CHECK (demo IN (0, 1)),
  player TEXT,
  row1 INTEGER, row2 INTEGER, row3 INTEGER, row4 INTEGER, row5 INTEGER,
  col1 INTEGER, col2 INTEGER, col3 INTEGER, col4 INTEGER, col5 INTEGER))",
    R"(CREATE TABLE placements(
  game_id INTEGER NOT NULL REFERENCES games(id),
  turn INTEGER NOT NULL CHECK (turn BETWEEN 1 AND 25),
  card INTEGER NOT NULL CHECK (card BETWEEN 1 AND 52),
  cell INTEGER NOT NULL CHECK (cell BETWEEN 0 AND 24),
  thrown INTEGER NOT NULL CHECK (thrown IN (0, 1)),
  PRIMARY KEY (game_id, turn)) WITHOUT ROWID)",
};

// Version 2's trigger that counts each game added; version 4 narrows its condition.
const char* const kSummarised =
    R"(CREATE TRIGGER games_summarised AFTER INSERT ON games WHEN NEW.demo = 0 BEGIN
  INSERT INTO summary_kinds VALUES (NEW.kind, 1, NEW.finished, NEW.won, NEW.hints > 0)
    ON CONFLICT (kind) DO UPDATE SET games = games + 1, finished = finished + excluded.finished,
      won = won + excluded.won, hinted = hinted + excluded.hinted;
  INSERT INTO summary_totals SELECT NEW.kind, NEW.total, 1 WHERE NEW.finished = 1
    ON CONFLICT (kind, total) DO UPDATE SET games = games + 1;
  INSERT INTO summary_hands
    SELECT NEW.kind, hand, count(*) FROM (
      SELECT NEW.row1 AS hand UNION ALL SELECT NEW.row2 UNION ALL SELECT NEW.row3
      UNION ALL SELECT NEW.row4 UNION ALL SELECT NEW.row5 UNION ALL SELECT NEW.col1
      UNION ALL SELECT NEW.col2 UNION ALL SELECT NEW.col3 UNION ALL SELECT NEW.col4
      UNION ALL SELECT NEW.col5)
    WHERE NEW.finished = 1 GROUP BY hand
    ON CONFLICT (kind, hand) DO UPDATE SET lines = lines + excluded.lines;
  INSERT INTO summary_runs SELECT scope, NEW.won, NEW.won FROM (
      SELECT 'all' AS scope UNION ALL SELECT NEW.kind) WHERE true
    ON CONFLICT (scope) DO UPDATE SET
      current_run = CASE WHEN NEW.won = 1 THEN current_run + 1 ELSE 0 END,
      longest_run = max(longest_run, CASE WHEN NEW.won = 1 THEN current_run + 1 ELSE 0 END);
END)";

// Version 2: room for the review of each placement, and summaries kept up to date by
// triggers, so that the statistics of 100,000 games read a few hundred rows instead of all.
// Deleting or changing a game empties the summaries; the next reading counts them afresh.
const char* const kVersion2[] = {
    "ALTER TABLE placements ADD COLUMN best_cell INTEGER",
    "ALTER TABLE placements ADD COLUMN expected_chosen REAL",
    "ALTER TABLE placements ADD COLUMN expected_best REAL",
    // The last 20 finished games before any point in time, for the chart of the mean.
    "CREATE INDEX games_finished ON games(demo, finished, id, total)",
    R"(CREATE TABLE summary_kinds(
  kind TEXT PRIMARY KEY,
  games INTEGER NOT NULL, finished INTEGER NOT NULL, won INTEGER NOT NULL,
  hinted INTEGER NOT NULL))",
    R"(CREATE TABLE summary_totals(
  kind TEXT NOT NULL, total INTEGER NOT NULL, games INTEGER NOT NULL,
  PRIMARY KEY (kind, total)) WITHOUT ROWID)",
    R"(CREATE TABLE summary_hands(
  kind TEXT NOT NULL, hand INTEGER NOT NULL, lines INTEGER NOT NULL,
  PRIMARY KEY (kind, hand)) WITHOUT ROWID)",
    R"(CREATE TABLE summary_runs(
  scope TEXT PRIMARY KEY, current_run INTEGER NOT NULL, longest_run INTEGER NOT NULL))",
    kSummarised,
    R"(CREATE TRIGGER games_deleted AFTER DELETE ON games BEGIN
  DELETE FROM summary_kinds; DELETE FROM summary_totals; DELETE FROM summary_hands;
  DELETE FROM summary_runs;
END)",
    R"(CREATE TRIGGER games_changed AFTER UPDATE ON games BEGIN
  DELETE FROM summary_kinds; DELETE FROM summary_totals; DELETE FROM summary_hands;
  DELETE FROM summary_runs;
END)",
};

// Version 3: the advisor's total on the game's deal (NULL until worked out) and, for a daily
// deal, its date (YYYY-MM-DD, the player's local date). Storing a par changes no summary, so the
// trigger that empties them watches every column but that one.
const char* const kVersion3[] = {
    "ALTER TABLE games ADD COLUMN par INTEGER",
    "ALTER TABLE games ADD COLUMN daily TEXT",
    "CREATE INDEX games_daily ON games(daily, id) WHERE daily IS NOT NULL",
    "CREATE INDEX games_without_par ON games(deal, kind) WHERE par IS NULL",
    "DROP TRIGGER games_changed",
    R"(CREATE TRIGGER games_changed AFTER UPDATE OF id, started_at, finished_at, deal, kind, total,
  won, finished, hints, demo, player, row1, row2, row3, row4, row5, col1, col2, col3, col4, col5,
  daily ON games BEGIN
  DELETE FROM summary_kinds; DELETE FROM summary_totals; DELETE FROM summary_hands;
  DELETE FROM summary_runs;
END)",
};

// Version 4: rows that no game can make (written by hand) count nowhere. The summaries count
// only sound games; two partial indexes hold the rows left out, so that finding them costs
// as little as they are few; and the file carries Marnelok's application id, so that a log
// of another database beside it is recognised.
QStringList Version4() {
  const QString sound = SoundGame();
  return {
      QStringLiteral("DROP TRIGGER games_summarised"),
      QString::fromUtf8(kSummarised)
          .replace(QStringLiteral("WHEN NEW.demo = 0"),
                   QStringLiteral("WHEN NEW.demo = 0 AND ") + SoundGame(QStringLiteral("NEW."))),
      QStringLiteral("CREATE INDEX games_ignored ON games(id) WHERE %1 IS NOT 1").arg(sound),
      QStringLiteral("CREATE INDEX placements_ignored ON placements(game_id) WHERE %1 IS NOT 1")
          .arg(SoundPlacement()),
      QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId),
  };
}

// A run of wins is ended by any game that was not won, finished or not. COUNTED stands for the
// games that count: no demo, and nothing a game cannot make.
const char* const kRebuild[] = {
    "DELETE FROM summary_kinds",   "DELETE FROM summary_totals",
    "DELETE FROM summary_hands",   "DELETE FROM summary_runs",
    R"(INSERT INTO summary_kinds
  SELECT kind, count(*), sum(finished), sum(won), sum(hints > 0) FROM games WHERE COUNTED
  GROUP BY kind)",
    R"(INSERT INTO summary_totals
  SELECT kind, total, count(*) FROM games WHERE COUNTED AND finished = 1 GROUP BY kind, total)",
    R"(INSERT INTO summary_hands
  SELECT kind, hand, count(*) FROM (
    SELECT kind, row1 AS hand FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, row2 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, row3 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, row4 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, row5 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, col1 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, col2 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, col3 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, col4 FROM games WHERE COUNTED AND finished = 1
    UNION ALL SELECT kind, col5 FROM games WHERE COUNTED AND finished = 1)
  GROUP BY kind, hand)",
    R"(INSERT INTO summary_runs
  WITH scoped AS (
    SELECT 'all' AS scope, id, won FROM games WHERE COUNTED
    UNION ALL SELECT kind, id, won FROM games WHERE COUNTED),
  numbered AS (
    SELECT scope, id, won, sum(won = 0) OVER (PARTITION BY scope ORDER BY id) AS run
    FROM scoped),
  runs AS (
    SELECT scope, run, count(*) AS length, max(id) AS last FROM numbered WHERE won = 1
    GROUP BY scope, run),
  latest AS (SELECT scope, max(id) AS last FROM scoped GROUP BY scope)
  SELECT scope,
    coalesce((SELECT length FROM runs WHERE runs.scope = latest.scope
              AND runs.last = latest.last), 0),
    coalesce((SELECT max(length) FROM runs WHERE runs.scope = latest.scope), 0)
  FROM latest)",
};

template <std::size_t N>
void RunAll(SqlBatch& batch, const char* const (&statements)[N]) {
  for (const char* sql : statements) batch.Run(QString::fromUtf8(sql));
}

void RunAll(SqlBatch& batch, const QStringList& statements) {
  for (const QString& sql : statements) batch.Run(sql);
}

}  // namespace

QString CountedGames() { return QStringLiteral("demo = 0 AND ") + SoundGameId(); }

void RebuildSummaries(SqlBatch& batch) {
  for (const char* sql : kRebuild)
    batch.Run(QString::fromUtf8(sql).replace(QStringLiteral("COUNTED"), CountedGames()));
}

std::optional<SqlFault> MigrateSchema(const QSqlDatabase& db, int target) {
  // A file at the version wanted is read as it is: no write lock, so that another copy's
  // writing does not hold this one up.
  SqlBatch probe(db);
  const QVariant current = probe.Value(QStringLiteral("PRAGMA user_version"));
  if (probe.failed()) return probe.fault();
  if (current.toInt() == target) return std::nullopt;

  SqlBatch batch(db);
  batch.BeginWrite();  // two copies starting at once migrate one after the other
  const int version = batch.Value(QStringLiteral("PRAGMA user_version")).toInt();
  if (!batch.failed() && version > kSchemaVersion)
    batch.Fail({0, QCoreApplication::translate("HistoryDatabase",
                                               "the history was written by a newer version of "
                                               "Marnelok (schema %1; this version knows up to %2)")
                       .arg(version)
                       .arg(kSchemaVersion)});
  if (version < 1 && target >= 1) RunAll(batch, kVersion1);
  if (version < 2 && target >= 2) RunAll(batch, kVersion2);
  if (version < 3 && target >= 3) RunAll(batch, kVersion3);
  // The summaries are counted once, by the rules of the last version.
  if (version < 4 && target >= 4) {
    RunAll(batch, Version4());
    RebuildSummaries(batch);
  }
  if (version < target) batch.Run(QStringLiteral("PRAGMA user_version = %1").arg(target));
  if (batch.Finish()) return std::nullopt;
  return batch.fault();
}

std::optional<SqlFault> EraseHistory(const QSqlDatabase& db) {
  SqlBatch batch(db);
  batch.BeginWrite();
  batch.Run(QStringLiteral("DELETE FROM placements"));
  batch.Run(QStringLiteral("DELETE FROM games"));
  RebuildSummaries(batch);
  if (batch.Finish()) return std::nullopt;
  return batch.fault();
}

}  // namespace marnelok::history
