// SPDX-License-Identifier: GPL-3.0-or-later
// The history's file, opened ready for use: checked, moved aside when broken, in WAL mode
// with a busy timeout, and at the current schema version.
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <optional>

#include "sql_batch.h"

namespace marnelok::history {

struct OpenOutcome {
  std::optional<SqlFault> fault;  // set when the file could not be opened
  QString movedTo;                // a broken file was moved here and a new history started
  QString logMovedTo;  // another database's write-ahead log was moved here; the history kept
};

// One connection, used only on the thread that made the object.
class HistoryDatabase {
  Q_DECLARE_TR_FUNCTIONS(HistoryDatabase)

 public:
  explicit HistoryDatabase(QString path);
  ~HistoryDatabase();
  HistoryDatabase(const HistoryDatabase&) = delete;
  HistoryDatabase& operator=(const HistoryDatabase&) = delete;

  // Opens the file unless it is open. The first open of a run checks the whole file
  // (PRAGMA quick_check); a file that is not a database or whose pages are damaged is moved
  // to <file>.broken-<date>-<time>, with its write-ahead log, and a new one is made. Rows that
  // break the tables' checks are the figures' business, not a reason to move the file. Every
  // open first moves aside a write-ahead log of another database, and refuses a file that
  // another program marked as its own.
  OpenOutcome Open();
  // Moves the open file aside as broken, as Open does, and opens a new one in its place.
  OpenOutcome Replace();
  void Close();
  bool IsOpen() const { return open_; }
  QSqlDatabase Connection() const;
  const QString& path() const { return path_; }

 private:
  std::optional<SqlFault> OpenFile();
  std::optional<SqlFault> Prepare();
  QString MoveAside();
  QString MoveForeignLog(const QString& file);  // the log of `file`, with its index

  QString path_;
  QString connection_;
  bool open_ = false;
  bool checked_ = false;  // quick_check found the file sound during this run
};

}  // namespace marnelok::history
