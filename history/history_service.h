// SPDX-License-Identifier: GPL-3.0-or-later
// The history as the program runs it: a HistoryWorker on a thread of its own, reached through
// the GameHistory interface.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

#include "game_history.h"

namespace marnelok::history {

class HistoryWorker;

class HistoryService : public QObject, public GameHistory {
 public:
  // Nothing is opened or started here: the thread starts, and the file is first touched, with
  // the first call that needs them.
  explicit HistoryService(const QString& path, QObject* parent = nullptr);
  // Waits until every game handed over has been written, or has failed to be.
  ~HistoryService() override;

  void Keep(GameRecord game) override;
  void Prepare() override;
  void ReadStatistics(QObject* receiver,
                      std::function<void(const StatisticsResult&)> done) override;
  void Export(const QString& path, QObject* receiver,
              std::function<void(const QString& error)> done) override;
  void Erase(QObject* receiver, std::function<void(const QString& error)> done) override;
  void ReadGame(std::int64_t id, QObject* receiver,
                std::function<void(const GameReading&)> done) override;
  void HasFinishedGame(QObject* receiver, std::function<void(bool found)> done) override;
  void StoreReview(std::int64_t id, std::vector<PlacementRecord> placements) override;
  void StorePar(const DealOfKind& deal, int par) override;
  void DealsWithoutPar(int limit, QObject* receiver,
                       std::function<void(const std::vector<DealOfKind>&)> done) override;
  void SetFaultHandler(std::function<void(const QString& message)> tell) override;
  std::optional<QString> Finish() override;

 private:
  // Runs `job` on the worker's thread, after every job handed over before it.
  void Post(std::function<void(HistoryWorker&)> job);
  // Runs `answer` on this object's thread if the receiver that `guard` watches exists then.
  void Reply(const QPointer<QObject>& guard, std::function<void()> answer);
  // A job whose answer is the reason it failed, or an empty text.
  void PostWithError(QObject* receiver, std::function<std::optional<QString>(HistoryWorker&)> job,
                     std::function<void(const QString& error)> done);

  QThread thread_;
  QObject context_;  // lives on the worker's thread: jobs are queued to it
  std::unique_ptr<HistoryWorker> worker_;
  std::function<void(const QString&)> tell_;
  std::atomic<int> queued_{0};  // jobs handed over and not yet done
};

}  // namespace marnelok::history
