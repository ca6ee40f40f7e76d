// SPDX-License-Identifier: GPL-3.0-or-later
// Statements run one after another on the history's connection, stopping at the first
// failure, with SQLite's reason kept so that a damaged file can be told from a full disk.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

namespace marnelok::history {

struct SqlFault {
  int code = 0;  // SQLite's primary result code; 0 when the driver gave none
  QString text;
  // The file is not a database, or its pages are damaged: SQLITE_NOTADB or SQLITE_CORRUPT.
  bool Broken() const { return code == 26 || code == 11; }
};

// The fault that a failed statement or open left in `error`.
SqlFault FaultOf(const QSqlError& error);

class SqlBatch {
 public:
  explicit SqlBatch(const QSqlDatabase& db) : db_(db) {}
  SqlBatch(const SqlBatch&) = delete;
  SqlBatch& operator=(const SqlBatch&) = delete;
  ~SqlBatch();  // rolls back a transaction that Finish did not end

  // BEGIN IMMEDIATE: the write lock is taken now (waiting up to the busy timeout for another
  // copy of the game), so that what the transaction reads cannot change before it writes.
  void BeginWrite();
  // BEGIN: one snapshot for every read until Finish, even while another copy writes.
  void BeginRead();
  // Runs one statement with `values` bound in order, unless an earlier one failed. After a
  // failure the returned query is inactive and the fault is kept.
  QSqlQuery Run(const QString& sql, const QVariantList& values = {});
  // The first column of the statement's first row; invalid after a failure or for no row.
  QVariant Value(const QString& sql, const QVariantList& values = {});
  // Commits when every statement ran and rolls back otherwise; true when committed.
  bool Finish();
  void Fail(const SqlFault& fault);  // a failure found by the caller ends the batch too

  bool failed() const { return fault_.has_value(); }
  const std::optional<SqlFault>& fault() const { return fault_; }

 private:
  void Begin(const QString& statement);

  QSqlDatabase db_;
  std::optional<SqlFault> fault_;
  bool inTransaction_ = false;
};

}  // namespace marnelok::history
