// SPDX-License-Identifier: GPL-3.0-or-later
// The schema's versions: a history of the first version is brought to the current one with
// its games and figures; one from a newer program is left alone. Two copies of the game
// writing at once both keep every game.
#include "schema.h"

#include <QElapsedTimer>
#include <thread>

#include "history_fixture.h"

namespace marnelok::history {
namespace {

using testing::HistoryTest;

TEST_F(HistoryTest, FirstVersionIsMigratedWithItsGames) {
  {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Marnelok")));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "first-version");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    ASSERT_EQ(MigrateSchema(db, 1), std::nullopt);
    QSqlQuery q(db);
    // Two finished games and a left one, as the first version wrote them.
    for (const char* row :
         {"(1, '2026-01-02T10:00:00Z', '2026-01-02T10:04:00Z', 5, 'regular', 160, 1, 1, 0, 0, "
          "'Ann', 1, 1, 1, 6, 6, 2, 2, 3, 4, 9)",
          "(2, '2026-01-02T11:00:00Z', '2026-01-02T11:01:00Z', 6, 'regular', 0, 0, 0, 0, 0, "
          "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)",
          "(3, '2026-01-03T09:00:00Z', '2026-01-03T09:05:00Z', 7, 'throw-down', 40, 0, 1, 2, 0, "
          "NULL, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3)"})
      ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO games VALUES ") + row)) << row;
    ASSERT_TRUE(q.exec("INSERT INTO placements VALUES (1, 1, 31, 4, 0)"));
    ASSERT_TRUE(q.exec("PRAGMA user_version"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
  }
  QSqlDatabase::removeDatabase("first-version");

  // Opening migrates, and counts the summaries of the games already there.
  auto worker = MakeWorker();
  worker->Prepare();
  worker->Close();
  EXPECT_EQ(Rows("PRAGMA user_version"), QStringList{QString::number(kSchemaVersion)});
  EXPECT_EQ(Rows("PRAGMA application_id"), QStringList{QString::number(kApplicationId)});
  EXPECT_EQ(Rows("SELECT kind, games, finished, won, hinted FROM summary_kinds ORDER BY kind"),
            (QStringList{"regular|2|1|1|0", "throw-down|1|1|0|1"}));
  worker->Keep(KnownGame(true, 150));
  const Statistics s = worker->Read(10).statistics;
  worker->Close();
  EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();
  EXPECT_EQ(Rows("SELECT game_id, turn, card, cell, thrown, best_cell, expected_chosen, "
                 "expected_best FROM placements"),
            QStringList{"1|1|31|4|0|-|-|-"});
  EXPECT_EQ(s.all.played, 4);
  EXPECT_EQ(s.regular.finished, 2);
  EXPECT_EQ(s.regular.currentRun, 1);  // 160 won, the left game ended the run, 150 won
  EXPECT_EQ(s.regular.longestRun, 1);
  EXPECT_EQ(s.regular.hands[6], 2);
  EXPECT_EQ(s.throwDown.withHints, 1);
  EXPECT_EQ(s.throwDown.hands[0], 4);
  EXPECT_EQ(s.recent.size(), 4u);
  EXPECT_EQ(s.recent[3].deal, 5u);

  // Par comes after the games, into every game of its deal and kind, and leaves the summaries
  // standing, which any other change of a game empties.
  worker = MakeWorker();
  worker->StorePar({5, GameKind::kRegular}, 170);
  worker->Close();
  EXPECT_EQ(Rows("SELECT id, par, daily FROM games ORDER BY id"),
            (QStringList{"1|170|-", "2|-|-", "3|-|-", "4|-|-"}));
  EXPECT_EQ(Rows("SELECT count(*) FROM summary_kinds"), QStringList{"2"});

  // A file from a newer program is neither changed nor written to, and that is told.
  Rows("PRAGMA user_version = 99");
  worker = MakeWorker();
  worker->Keep(KnownGame(true, 10));
  EXPECT_EQ(worker->waiting(), 1u);
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains("newer version")) << told[0].toStdString();
  worker->Close();
  EXPECT_EQ(Rows("SELECT count(*) FROM games"), QStringList{"4"});
}

// Another copy writing a game holds the write lock for a moment; a reading does not wait for
// it, as the file is migrated only when it is not at the current version.
TEST_F(HistoryTest, ReadingWaitsForNoWriter) {
  auto worker = MakeWorker();
  worker->Keep(KnownGame(true, 150));
  worker->Close();
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    ASSERT_TRUE(QSqlQuery(db).exec("BEGIN IMMEDIATE"));
    QElapsedTimer timer;
    timer.start();
    worker = MakeWorker();  // a new run: the file is checked and its version read
    const StatisticsResult result = worker->Read(5);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.statistics.all.played, 1);
    EXPECT_TRUE(QSqlQuery(db).exec("ROLLBACK"));
  }
  QSqlDatabase::removeDatabase("writer");
}

TEST_F(HistoryTest, TwoCopiesWritingAtOnceKeepEveryGame) {
  constexpr int kGamesEach = 40;
  const auto play = [this](bool regular) {
    HistoryWorker worker(path, [](const QString&) {});
    for (int k = 0; k < kGamesEach; ++k) {
      GameRecord game = KnownGame(regular, k);
      game.placements = {{1, 5, 0, false, std::nullopt}, {2, 6, 1, false, std::nullopt}};
      worker.Keep(game);
    }
    EXPECT_EQ(worker.waiting(), 0u);
    worker.Close();
  };
  std::thread first(play, true), second(play, false);
  first.join();
  second.join();
  EXPECT_EQ(Rows("SELECT kind, count(*), sum(total) FROM games GROUP BY kind"),
            (QStringList{"regular|40|780", "throw-down|40|780"}));
  EXPECT_EQ(Rows("SELECT count(DISTINCT game_id), count(*) FROM placements"),
            QStringList{"80|160"});
  auto worker = MakeWorker();
  const Statistics s = worker->Read(1).statistics;
  EXPECT_EQ(s.regular.played, kGamesEach);
  EXPECT_EQ(s.throwDown.played, kGamesEach);
}

}  // namespace
}  // namespace marnelok::history
