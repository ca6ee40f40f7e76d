// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the history's file directly in tests.
#include "history_fixture.h"

#include <QSqlDatabase>
#include <QSqlRecord>

namespace marnelok::history::testing {

QStringList HistoryTest::Rows(const QString& sql) const {
  QStringList rows;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-reader");
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    while (q.next()) {
      QStringList columns;
      for (int c = 0; c < q.record().count(); ++c)
        columns << (q.isNull(c) ? QStringLiteral("-") : q.value(c).toString());
      rows << columns.join('|');
    }
  }
  QSqlDatabase::removeDatabase("test-reader");
  return rows;
}

void HistoryTest::Exec(const QStringList& statements) const {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-writer");
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    QSqlQuery q(db);
    for (const QString& sql : statements) EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
  }
  QSqlDatabase::removeDatabase("test-writer");
}

}  // namespace marnelok::history::testing
