// SPDX-License-Identifier: GPL-3.0-or-later
// The history's thread and the hand-over of jobs and answers.
#include "history_service.h"

#include <QSemaphore>

#include "history_worker.h"

namespace marnelok::history {

HistoryService::HistoryService(const QString& path, QObject* parent) : QObject(parent) {
  worker_ = std::make_unique<HistoryWorker>(path, [this](const QString& message) {
    QMetaObject::invokeMethod(this, [this, message] {
      if (tell_) tell_(message);
    });
  });
  thread_.setObjectName(QStringLiteral("history"));
  context_.moveToThread(&thread_);
}

HistoryService::~HistoryService() {
  if (!thread_.isRunning()) return;
  // The last job closes the connection on its own thread and ends the thread's loop, after
  // every job handed over before it.
  Post([this](HistoryWorker& worker) {
    worker.Close();
    thread_.quit();
  });
  thread_.wait();
}

void HistoryService::Post(std::function<void(HistoryWorker&)> job) {
  if (!thread_.isRunning()) thread_.start(QThread::LowPriority);  // at the first need
  queued_.fetch_add(1);
  QMetaObject::invokeMethod(&context_, [this, job = std::move(job)] {
    job(*worker_);
    // Between games the file is closed and its memory given back; it is opened again, without
    // the check of the whole file, by the next job.
    if (queued_.fetch_sub(1) == 1) worker_->Rest();
  });
}

void HistoryService::Reply(const QPointer<QObject>& guard, std::function<void()> answer) {
  // The guard is read on this object's thread only, where the receiver lives and dies.
  QMetaObject::invokeMethod(this, [guard, answer = std::move(answer)] {
    if (guard) answer();
  });
}

void HistoryService::Keep(GameRecord game) {
  Post([game = std::move(game)](HistoryWorker& worker) mutable { worker.Keep(std::move(game)); });
}

void HistoryService::Prepare() {
  Post([](HistoryWorker& worker) { worker.Prepare(); });
}

void HistoryService::ReadStatistics(QObject* receiver,
                                    std::function<void(const StatisticsResult&)> done) {
  Post([this, guard = QPointer<QObject>(receiver), done = std::move(done)](HistoryWorker& worker) {
    auto result = std::make_shared<const StatisticsResult>(worker.Read(kRecentGames));
    Reply(guard, [done, result] { done(*result); });
  });
}

void HistoryService::PostWithError(QObject* receiver,
                                   std::function<std::optional<QString>(HistoryWorker&)> job,
                                   std::function<void(const QString& error)> done) {
  Post([this, guard = QPointer<QObject>(receiver), job = std::move(job),
        done = std::move(done)](HistoryWorker& worker) {
    const QString error = job(worker).value_or(QString());
    Reply(guard, [done, error] { done(error); });
  });
}

void HistoryService::Export(const QString& path, QObject* receiver,
                            std::function<void(const QString& error)> done) {
  PostWithError(
      receiver, [path](HistoryWorker& worker) { return worker.Export(path); }, std::move(done));
}

void HistoryService::Erase(QObject* receiver, std::function<void(const QString& error)> done) {
  PostWithError(
      receiver, [](HistoryWorker& worker) { return worker.Erase(); }, std::move(done));
}

void HistoryService::ReadGame(std::int64_t id, QObject* receiver,
                              std::function<void(const GameReading&)> done) {
  Post([this, id, guard = QPointer<QObject>(receiver),
        done = std::move(done)](HistoryWorker& worker) {
    auto reading = std::make_shared<const GameReading>(worker.ReadGame(id));
    Reply(guard, [done, reading] { done(*reading); });
  });
}

void HistoryService::HasFinishedGame(QObject* receiver, std::function<void(bool found)> done) {
  Post([this, guard = QPointer<QObject>(receiver), done = std::move(done)](HistoryWorker& worker) {
    const bool found = worker.HasFinishedGame();
    Reply(guard, [done, found] { done(found); });
  });
}

void HistoryService::StoreReview(std::int64_t id, std::vector<PlacementRecord> placements) {
  Post([id, placements = std::move(placements)](HistoryWorker& worker) {
    worker.StoreReview(id, placements);
  });
}

void HistoryService::StorePar(const DealOfKind& deal, int par) {
  Post([deal, par](HistoryWorker& worker) { worker.StorePar(deal, par); });
}

void HistoryService::DealsWithoutPar(int limit, QObject* receiver,
                                     std::function<void(const std::vector<DealOfKind>&)> done) {
  Post([this, limit, guard = QPointer<QObject>(receiver),
        done = std::move(done)](HistoryWorker& worker) {
    Reply(guard, [done, deals = worker.DealsWithoutPar(limit)] { done(deals); });
  });
}

std::optional<QString> HistoryService::Finish() {
  if (!thread_.isRunning()) return std::nullopt;  // nothing was ever handed over
  std::optional<QString> lost;
  QSemaphore done;
  Post([&lost, &done](HistoryWorker& worker) {
    lost = worker.Finish();
    done.release();
  });
  done.acquire();
  return lost;
}

void HistoryService::SetFaultHandler(std::function<void(const QString& message)> tell) {
  tell_ = std::move(tell);
}

}  // namespace marnelok::history
