// SPDX-License-Identifier: GPL-3.0-or-later
// Running the history's statements in order.
#include "sql_batch.h"

namespace marnelok::history {
SqlFault FaultOf(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok);
  // Extended result codes carry the primary code in their low byte.
  return {ok ? (code & 0xff) : 0, error.text()};
}

SqlBatch::~SqlBatch() {
  if (inTransaction_) QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

void SqlBatch::BeginWrite() { Begin(QStringLiteral("BEGIN IMMEDIATE")); }
void SqlBatch::BeginRead() { Begin(QStringLiteral("BEGIN")); }

void SqlBatch::Begin(const QString& statement) {
  Run(statement);
  inTransaction_ = !failed();
}

QSqlQuery SqlBatch::Run(const QString& sql, const QVariantList& values) {
  QSqlQuery query(db_);
  if (failed()) return query;
  query.setForwardOnly(true);
  bool ok = query.prepare(sql);
  if (ok) {
    for (const QVariant& value : values) query.addBindValue(value);
    ok = query.exec();
  }
  if (!ok) fault_ = FaultOf(query.lastError());
  return query;
}

QVariant SqlBatch::Value(const QString& sql, const QVariantList& values) {
  QSqlQuery query = Run(sql, values);
  if (failed() || !query.next()) return {};
  return query.value(0);
}

bool SqlBatch::Finish() {
  if (!inTransaction_) return !failed();
  inTransaction_ = false;
  if (!failed()) {
    QSqlQuery commit(db_);
    if (commit.exec(QStringLiteral("COMMIT"))) return true;
    fault_ = FaultOf(commit.lastError());
  }
  QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
  return false;
}

void SqlBatch::Fail(const SqlFault& fault) {
  if (!failed()) fault_ = fault;
}

}  // namespace marnelok::history
