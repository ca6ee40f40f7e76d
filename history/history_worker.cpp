// SPDX-License-Identifier: GPL-3.0-or-later
// The history's work: open, write, read, export, erase; faults told once.
#include "history_worker.h"

#include <QDir>
#include <cstdio>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "csv_export.h"
#include "game_reader.h"
#include "game_writer.h"
#include "schema.h"
#include "statistics_query.h"

namespace marnelok::history {
HistoryWorker::HistoryWorker(QString path, std::function<void(const QString&)> tell)
    : path_(std::move(path)), tell_(std::move(tell)) {}

HistoryWorker::~HistoryWorker() = default;

QString HistoryWorker::Unreadable() const {
  //: Followed by ": " and the reason.
  return tr("The history of games cannot be opened") + QStringLiteral(": ") + lastFault_->text;
}

void HistoryWorker::Close() {
  if (!finished_) {
    if (const auto lost = Finish()) std::fprintf(stderr, "Marnelok: %s\n", qPrintable(*lost));
  }
  database_.reset();
}

void HistoryWorker::Rest() {
  if (!database_ || !database_->IsOpen()) return;
  database_->Close();
#ifdef __GLIBC__
  // glibc keeps a thread's freed memory for that thread; the game's window would not reuse it.
  malloc_trim(0);
#endif
}

bool HistoryWorker::EnsureOpen() {
  if (!database_) database_ = std::make_unique<HistoryDatabase>(path_);
  const OpenOutcome outcome = database_->Open();
  if (!outcome.movedTo.isEmpty()) TellMoved(outcome.movedTo);
  if (!outcome.logMovedTo.isEmpty()) TellForeignLog(outcome.logMovedTo);
  lastFault_ = outcome.fault;
  return !outcome.fault;
}

void HistoryWorker::Keep(GameRecord game) {
  finished_ = false;
  pending_.push_back(std::move(game));
  Flush();
}

void HistoryWorker::Prepare() { Flush(); }

void HistoryWorker::Flush() {
  if (!EnsureOpen()) {
    if (!pending_.empty()) TellUnwritable(*lastFault_);
    return;
  }
  while (!pending_.empty()) {
    auto fault = WriteGame(database_->Connection(), pending_.front());
    if (fault && fault->Broken()) {
      // Damage found while writing: the file goes aside like one found at the start.
      const OpenOutcome outcome = database_->Replace();
      if (!outcome.movedTo.isEmpty()) TellMoved(outcome.movedTo);
      fault = outcome.fault ? outcome.fault : WriteGame(database_->Connection(), pending_.front());
    }
    if (fault) {
      lastFault_ = fault;
      // Opened afresh next time: a folder made writable again or a disk with room again
      // may need a new connection to be used.
      database_->Close();
      TellUnwritable(*fault);
      return;
    }
    pending_.pop_front();
  }
}

// A game that could not be written does not keep the others from being read.
StatisticsResult HistoryWorker::Read(int recentGames, const QDate& today) {
  Flush();
  if (!EnsureOpen()) return {{}, Unreadable()};
  return ReadStatistics(database_->Connection(), recentGames, today);
}

std::optional<QString> HistoryWorker::Export(const QString& path) {
  Flush();
  if (!EnsureOpen()) return Unreadable();
  return ExportCsv(database_->Connection(), path);
}

std::optional<QString> HistoryWorker::Erase() {
  pending_.clear();
  if (!EnsureOpen()) return Unreadable();
  if (const auto fault = EraseHistory(database_->Connection())) return fault->text;
  return std::nullopt;
}

GameReading HistoryWorker::ReadGame(std::int64_t id) {
  Flush();  // the game that just ended is the newest finished one
  if (!EnsureOpen()) return {{}, Unreadable()};
  return history::ReadGame(database_->Connection(), id);
}

bool HistoryWorker::HasFinishedGame() {
  Flush();
  return EnsureOpen() && history::HasFinishedGame(database_->Connection()).value_or(false);
}

// A review that cannot be written is worked out again when the game is next reviewed; nothing
// the player made is lost, so the player is not told.
void HistoryWorker::StoreReview(std::int64_t id, const std::vector<PlacementRecord>& placements) {
  if (EnsureOpen()) WriteReview(database_->Connection(), id, placements);
}

// Like a review, a par that cannot be written is only worked out again.
void HistoryWorker::StorePar(const DealOfKind& deal, int par) {
  for (GameRecord& game : pending_)
    if (!game.par && game.deal == deal.deal && game.kind == deal.kind) game.par = par;
  if (EnsureOpen()) WritePar(database_->Connection(), deal, par);
}

std::vector<DealOfKind> HistoryWorker::DealsWithoutPar(int limit) {
  Flush();
  if (!EnsureOpen()) return {};
  return history::DealsWithoutPar(database_->Connection(), limit);
}

std::optional<QString> HistoryWorker::Finish() {
  finished_ = true;
  if (pending_.empty()) return std::nullopt;
  // The player learns of the loss from the answer; "will be written" would no longer be true.
  const bool told = std::exchange(toldUnwritable_, true);
  Flush();
  toldUnwritable_ = told;
  if (pending_.empty()) return std::nullopt;
  //: %2 is the reason.
  return tr("The history of games could not be written to \"%1\" (%2) before Marnelok closed: "
            "the games of this run that were waiting are lost.")
      .arg(QDir::toNativeSeparators(path_), lastFault_ ? lastFault_->text : QString());
}

void HistoryWorker::TellMoved(const QString& movedTo) {
  if (toldMoved_) return;
  toldMoved_ = true;
  tell_(tr("The history of games could not be read, so it was moved aside to \"%1\". A new "
           "history has been started.")
            .arg(QDir::toNativeSeparators(movedTo)));
}

// Told each time: each is another database's log, found at a different moment.
void HistoryWorker::TellForeignLog(const QString& movedTo) {
  tell_(tr("A write-ahead log that belongs to another database lay beside the history of games. "
           "It was moved aside to \"%1\", and the history's games were kept.")
            .arg(QDir::toNativeSeparators(movedTo)));
}

void HistoryWorker::TellUnwritable(const SqlFault& fault) {
  if (toldUnwritable_) return;
  toldUnwritable_ = true;
  //: %2 is the reason.
  tell_(tr("The history of games cannot be written to \"%1\" (%2). The games of this run are kept "
           "and will be written as soon as writing succeeds again, while Marnelok runs.")
            .arg(QDir::toNativeSeparators(path_), fault.text));
}

}  // namespace marnelok::history
