// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and checking the history's file.
#include "history_database.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "history_file.h"
#include "log_owner.h"
#include "schema.h"

namespace marnelok::history {
namespace {

QAtomicInt connections;

// Long enough for another copy of the game to finish writing a game, short enough that a
// copy that hangs while holding the lock does not keep this one's games waiting for ever.
constexpr int kBusyTimeoutMs = 5000;

// A name beside `file` that nothing has yet: `<file>.<what>-<date>-<time>`, counted on where
// a file moved aside in the same second has it.
QString UnusedName(const QString& file, const QString& what) {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  QString target = QStringLiteral("%1.%2-%3").arg(file, what, stamp);
  for (int n = 2; QFileInfo::exists(target); ++n)
    target = QStringLiteral("%1.%2-%3-%4").arg(file, what, stamp).arg(n);
  return target;
}

}  // namespace

HistoryDatabase::HistoryDatabase(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("marnelok-history-%1").arg(connections.fetchAndAddRelaxed(1))) {}

HistoryDatabase::~HistoryDatabase() {
  Close();
  if (QSqlDatabase::contains(connection_)) QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase HistoryDatabase::Connection() const {
  return QSqlDatabase::database(connection_, false);
}

void HistoryDatabase::Close() {
  if (QSqlDatabase::contains(connection_)) Connection().close();
  open_ = false;
}

OpenOutcome HistoryDatabase::Open() {
  if (open_) return {};
  OpenOutcome outcome;
  // Before SQLite sees the files: it would copy a log into the file it lies beside. The files
  // are read where a history may be used, the path without links.
  QString refusal;
  const QString base = CheckedHistoryFile(path_, refusal);
  if (!refusal.isEmpty()) {
    outcome.fault = SqlFault{0, refusal};
    return outcome;
  }
  const auto fileId = FileApplicationId(base);
  if (fileId && *fileId != 0 && *fileId != kApplicationId) {
    outcome.fault = SqlFault{0, tr("the file belongs to another program")};
    return outcome;
  }
  // A log that sets another id, or that clears the id of a file that has Marnelok's, belongs
  // to another database. A log of a history that predates the id, or that sets the id for
  // the first time, is the history's.
  const auto logId = LogApplicationId(base + QStringLiteral("-wal"));
  if (logId && *logId != kApplicationId && (*logId != 0 || fileId == kApplicationId)) {
    outcome.logMovedTo = MoveForeignLog(base);
    if (outcome.logMovedTo.isEmpty()) {
      outcome.fault = SqlFault{0, tr("a write-ahead log of another database lies beside it")};
      return outcome;
    }
  }
  if ((outcome.fault = OpenFile())) return outcome;
  outcome.fault = Prepare();
  if (!outcome.fault) return outcome;
  if (!outcome.fault->Broken()) {
    Close();
    return outcome;
  }
  OpenOutcome replaced = Replace();
  replaced.logMovedTo = outcome.logMovedTo;
  return replaced;
}

OpenOutcome HistoryDatabase::Replace() {
  Close();
  OpenOutcome outcome;
  outcome.movedTo = MoveAside();
  if (outcome.movedTo.isEmpty()) {
    outcome.fault = SqlFault{0, tr("the damaged file could not be moved aside")};
    return outcome;
  }
  outcome.fault = OpenFile();
  if (!outcome.fault) outcome.fault = Prepare();
  if (outcome.fault) Close();
  return outcome;
}

std::optional<SqlFault> HistoryDatabase::OpenFile() {
  // Another user's link or a second name is never written through, nor given tables.
  QString refusal;
  const QString checked = CheckedHistoryFile(path_, refusal);
  if (!refusal.isEmpty()) return SqlFault{0, refusal};
  if (!QSqlDatabase::contains(connection_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid()) return SqlFault{0, tr("Qt's SQLite driver (QSQLITE) is not installed")};
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  }
  QSqlDatabase db = Connection();
  db.setDatabaseName(checked);
  if (!db.open()) return FaultOf(db.lastError());
  open_ = true;
  return std::nullopt;
}

std::optional<SqlFault> HistoryDatabase::Prepare() {
  SqlBatch batch(Connection());
  if (!checked_) {
    // The check also reports rows that break a CHECK or NOT NULL rule (written with the
    // rules switched off); those are rows, not damage, and the figures leave them out.
    QSqlQuery verdict = batch.Run(QStringLiteral("PRAGMA quick_check"));
    QString damage;
    while (!batch.failed() && verdict.next()) {
      const QString line = verdict.value(0).toString();
      if (line != QStringLiteral("ok") &&
          !line.startsWith(QStringLiteral("CHECK constraint failed")) &&
          !line.startsWith(QStringLiteral("NULL value in ")) && damage.isEmpty())
        damage = line;
    }
    if (!damage.isEmpty()) batch.Fail({11, tr("the file failed its check: %1").arg(damage)});
    if (batch.failed()) return batch.fault();
    checked_ = true;
  }
  batch.Run(QStringLiteral("PRAGMA journal_mode = WAL"));
  // Every game reaches the disk before it counts as kept; the writes run off the window's
  // thread, so the wait for the disk costs the player nothing.
  batch.Run(QStringLiteral("PRAGMA synchronous = FULL"));
  batch.Run(QStringLiteral("PRAGMA foreign_keys = ON"));
  // A writing or a reading touches a few pages; a small cache keeps the check of a large file
  // from holding on to memory for the rest of the run.
  batch.Run(QStringLiteral("PRAGMA cache_size = -512"));
  if (batch.failed()) return batch.fault();
  return MigrateSchema(Connection());
}

// The log and its index go aside together; SQLite makes new ones for the history.
QString HistoryDatabase::MoveForeignLog(const QString& file) {
  const QString wal = file + QStringLiteral("-wal");
  const QString target = UnusedName(wal, QStringLiteral("foreign"));
  if (!QFile::rename(wal, target)) return {};
  const QString shm = file + QStringLiteral("-shm");
  if (QFileInfo::exists(shm) && !QFile::rename(shm, target + QStringLiteral("-shm")))
    QFile::remove(shm);
  return target;
}

QString HistoryDatabase::MoveAside() {
  const QString target = UnusedName(path_, QStringLiteral("broken"));
  if (!QFile::rename(path_, target)) return {};
  // The log belongs to the broken file: left behind, it would be read into the new one.
  const QString wal = path_ + QStringLiteral("-wal");
  if (QFileInfo::exists(wal) && !QFile::rename(wal, target + QStringLiteral("-wal")))
    QFile::remove(wal);
  QFile::remove(path_ + QStringLiteral("-shm"));
  checked_ = false;
  return target;
}

}  // namespace marnelok::history
