// SPDX-License-Identifier: GPL-3.0-or-later
// The history at 100,000 games: fills a temporary database with games played by the greedy
// player, then times the statistics queries, the Statistics window's first paint with them,
// the file's check at the first open of a run, a recount of the summaries, the write of one
// game with its wait for the disk, and the queries again with rows edited by hand. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/marnelok_bench_statistics [--games N]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <utility>

#include "advisor.h"
#include "fake_desktop.h"
#include "game.h"
#include "game_history.h"
#include "game_writer.h"
#include "history_database.h"
#include "position.h"
#include "schema.h"
#include "statistics_query.h"
#include "statistics_window.h"

namespace marnelok {
namespace {

int g_games = 100000;
QString g_path;

// A regular or throw-down game from deal k, every card placed where the greedy player puts it
// (the table's best cell, no look-ahead); one game in fifty is left after ten cards.
history::GameRecord GreedyGame(std::uint32_t k) {
  NullTableRequests requests;
  RandomSource random;
  Game game(requests, random);
  game.SetKind(k % 3 != 0 ? GameKind::kRegular : GameKind::kThrowDown);
  game.NewGame(k);
  AdvisorBudget greedy;
  greedy.searchDepth = 1;
  greedy.simulatedGames = 0;
  const int stop = k % 50 == 0 ? 10 : kCardsPerGame;
  while (game.state().gameActive && game.state().cardsPlaced < stop) {
    const int cell = AdviseMove(game.VisiblePosition(), k, greedy).cell;
    game.PlaceCard(GridColumnOf(cell), GridRowOf(cell));
  }
  history::GameRecord record = history::RecordOfGame(game.state());
  record.startedAt = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64{k} * 300);
  record.endedAt = record.startedAt.addSecs(240);
  record.hints = k % 7 == 0 ? 2 : 0;
  return record;
}

void Fill(const QString& path) {
  history::HistoryDatabase database(path);
  if (database.Open().fault) std::abort();
  QSqlQuery(database.Connection()).exec("PRAGMA synchronous = OFF");  // the filling only
  QElapsedTimer timer;
  timer.start();
  for (int k = 0; k < g_games; ++k)
    if (history::WriteGame(database.Connection(), GreedyGame(std::uint32_t(k)))) std::abort();
  database.Close();
  std::fprintf(stderr, "%d games played and written in %.1f s: %.1f MB\n", g_games,
               double(timer.elapsed()) / 1000, double(QFileInfo(path).size()) / 1e6);
}

// The history read on the calling thread, as the worker reads it.
class DirectHistory : public history::GameHistory {
 public:
  explicit DirectHistory(const QSqlDatabase& db) : db_(db) {}
  void Keep(history::GameRecord) override {}
  void Prepare() override {}
  void ReadStatistics(QObject*,
                      std::function<void(const history::StatisticsResult&)> done) override {
    done(history::ReadStatistics(db_, history::kRecentGames));
  }
  void Export(const QString&, QObject*, std::function<void(const QString&)>) override {}
  void Erase(QObject*, std::function<void(const QString&)>) override {}
  void ReadGame(std::int64_t, QObject*, std::function<void(const history::GameReading&)>) override {
  }
  void HasFinishedGame(QObject*, std::function<void(bool)>) override {}
  void StoreReview(std::int64_t, std::vector<history::PlacementRecord>) override {}
  void StorePar(const history::DealOfKind&, int) override {}
  void DealsWithoutPar(int, QObject*,
                       std::function<void(const std::vector<history::DealOfKind>&)>) override {}
  void SetFaultHandler(std::function<void(const QString&)>) override {}
  std::optional<QString> Finish() override { return std::nullopt; }

 private:
  QSqlDatabase db_;
};

struct OpenHistory {
  OpenHistory() : database(g_path) {
    if (database.Open().fault) std::abort();
  }
  history::HistoryDatabase database;
};

void BM_StatisticsQueries(benchmark::State& state) {
  OpenHistory h;
  for (auto _ : state) {
    const auto result = history::ReadStatistics(h.database.Connection(), history::kRecentGames);
    if (!result.error.isEmpty() || result.statistics.all.played == 0) std::abort();
  }
}

// From nothing to the window painted with the figures, the charts and the list.
void BM_WindowQueriesAndFirstPaint(benchmark::State& state) {
  OpenHistory h;
  DirectHistory history(h.database.Connection());
  testing::FakeDesktop desktop;
  for (auto _ : state) {
    StatisticsWindow window(history, desktop, {}, {}, nullptr);
    window.show();  // reads the history
    benchmark::DoNotOptimize(window.grab());
  }
}

void BM_RecountSummaries(benchmark::State& state) {
  OpenHistory h;
  for (auto _ : state) {
    history::SqlBatch batch(h.database.Connection());
    batch.BeginWrite();
    history::RebuildSummaries(batch);
    if (!batch.Finish()) std::abort();
  }
}

// The first open of a run: the whole file checked, then the schema's version read.
void BM_FirstOpenWithCheck(benchmark::State& state) {
  for (auto _ : state) {
    history::HistoryDatabase database(g_path);
    if (database.Open().fault) std::abort();
  }
}

// One game, its placements and the summaries in one transaction, waiting for the disk.
void BM_WriteOneGame(benchmark::State& state) {
  OpenHistory h;
  const history::GameRecord game = GreedyGame(7);
  for (auto _ : state)
    if (history::WriteGame(h.database.Connection(), game)) std::abort();
}

// The same after 100 games written by hand with totals no game can make, as the newest games:
// they are looked up and left out. Last, as it changes the file (once: the benchmark library
// calls this more than once).
void BM_StatisticsQueriesWithIgnoredRows(benchmark::State& state) {
  OpenHistory h;
  static bool edited = false;
  if (!std::exchange(edited, true) &&
      !QSqlQuery(h.database.Connection())
           .exec("INSERT INTO games(started_at, finished_at, deal, kind, total, won, finished) "
                 "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 100) "
                 "SELECT '2026-01-01T00:00:00Z', '2026-01-01T00:05:00Z', k, 'regular', "
                 "2000000000, 1, 1 FROM n"))
    std::abort();
  for (auto _ : state) {
    const auto result = history::ReadStatistics(h.database.Connection(), history::kRecentGames);
    if (!result.error.isEmpty() || result.statistics.ignoredRows != 100) std::abort();
  }
}

BENCHMARK(BM_StatisticsQueries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowQueriesAndFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstOpenWithCheck)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RecountSummaries)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteOneGame)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_StatisticsQueriesWithIgnoredRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--games") == 0) marnelok::g_games = std::atoi(argv[i + 1]);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  QTemporaryDir dir;
  marnelok::g_path = dir.filePath("history.sqlite");
  marnelok::Fill(marnelok::g_path);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
