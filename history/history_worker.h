// SPDX-License-Identifier: GPL-3.0-or-later
// The history's work, done on one thread: the file opened when first needed, the games that
// could not be written yet, and the faults the player has been told of.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "game_record.h"
#include "history_database.h"
#include "statistics.h"

namespace marnelok::history {

class HistoryWorker {
  Q_DECLARE_TR_FUNCTIONS(HistoryWorker)

 public:
  // `tell` reports a fault to the player; it is called at most once per kind of fault.
  HistoryWorker(QString path, std::function<void(const QString&)> tell);
  ~HistoryWorker();

  void Keep(GameRecord game);
  void Prepare();  // opens the file and writes what waits
  StatisticsResult Read(int recentGames, const QDate& today = QDate::currentDate());
  std::optional<QString> Export(const QString& path);
  std::optional<QString> Erase();
  GameReading ReadGame(std::int64_t id);
  bool HasFinishedGame();
  void StoreReview(std::int64_t id, const std::vector<PlacementRecord>& placements);
  void StorePar(const DealOfKind& deal, int par);
  std::vector<DealOfKind> DealsWithoutPar(int limit);
  // One last write of the games that wait, with the busy timeout, when the program ends: what
  // still cannot be written is lost, and the text says so (nothing is told through `tell`).
  std::optional<QString> Finish();
  // On the worker's thread, before that thread ends; makes the last write if Finish has not
  // since the last game was kept, and writes its loss to standard error.
  void Close();
  // Closes the file while no job waits, keeping what its first open learnt, and returns the
  // memory its connection used.
  void Rest();

  std::size_t waiting() const { return pending_.size(); }

 private:
  bool EnsureOpen();
  void Flush();
  QString Unreadable() const;  // why the file cannot be opened, from the last fault
  void TellMoved(const QString& movedTo);
  void TellForeignLog(const QString& movedTo);
  void TellUnwritable(const SqlFault& fault);

  QString path_;
  std::function<void(const QString&)> tell_;
  std::unique_ptr<HistoryDatabase> database_;
  std::deque<GameRecord> pending_;
  std::optional<SqlFault> lastFault_;
  bool toldMoved_ = false;
  bool toldUnwritable_ = false;
  bool finished_ = false;  // Finish made the last write, and nothing was kept since
};

}  // namespace marnelok::history
