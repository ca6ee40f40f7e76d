// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the history's file: a file that is not a database or is damaged goes aside and a
// new history starts; a full disk or a folder that cannot be written keeps the games until a
// write succeeds. Each is told once, and nothing is lost.
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "child_process.h"
#include "history_fixture.h"
#include "log_owner.h"
#include "schema.h"

namespace marnelok::history {
namespace {

using testing::HistoryTest;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Overwrite(const QString& path, qint64 offset, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(offset));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

class Faults : public HistoryTest {
 protected:
  QStringList Folder() const {
    return QDir(dir.filePath("Marnelok")).entryList(QDir::Files, QDir::Name);
  }
};

TEST_F(Faults, BrokenFilesAreMovedAsideAndANewHistoryStarts) {
  // A file that is not a database, with a stray log beside it that must not reach the new file.
  ASSERT_TRUE(QDir().mkpath(dir.filePath("Marnelok")));
  const QByteArray text = "these are notes, not a database\n";
  Overwrite(path, 0, text);
  Overwrite(path + "-wal", 0, QByteArray(4096, 'w'));
  auto worker = MakeWorker();
  worker->Keep(KnownGame(true, 160));
  worker->Keep(KnownGame(true, 20));
  ASSERT_EQ(told.size(), 1);
  const QStringList files = Folder().filter(".broken-");
  ASSERT_EQ(files.size(), 1) << Folder().join(' ').toStdString();
  const QString moved = dir.filePath("Marnelok/" + files[0]);
  EXPECT_TRUE(QRegularExpression("^history\\.sqlite\\.broken-\\d{4}-\\d\\d-\\d\\d-\\d{6}$")
                  .match(files[0])
                  .hasMatch())
      << files[0].toStdString();
  EXPECT_EQ(ReadAll(moved), text);
  EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(moved))) << told[0].toStdString();
  EXPECT_EQ(worker->Read(5).statistics.all.played, 2);
  worker->Close();

  // A database whose pages are damaged fails the check at the next start.
  told.clear();
  Overwrite(path, 2 * 4096, QByteArray(64, '\xff'));  // the head of the third page
  const QByteArray damaged = ReadAll(path);
  worker = MakeWorker();
  worker->Keep(KnownGame(false, 70));
  ASSERT_EQ(told.size(), 1) << "told: " << told.join('\n').toStdString();
  const QStringList broken = Folder().filter(".broken-");
  ASSERT_EQ(broken.size(), 2) << Folder().join(' ').toStdString();
  EXPECT_EQ(ReadAll(dir.filePath("Marnelok/" + broken[1])), damaged);  // the same second: "-2"
  EXPECT_TRUE(told[0].contains(broken[1]));
  EXPECT_EQ(worker->Read(5).statistics.all.played, 1);
}

TEST_F(Faults, AnotherDatabasesLogIsMovedAsideAndTheHistoryKept) {
  auto worker = MakeWorker();
  for (int k = 0; k < 40; ++k) worker->Keep(KnownGame(true, 100 + k));
  worker->Close();
  // Another database's log, copied while that database is open (its close would empty it).
  const QString other = dir.filePath("other.sqlite");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
    db.setDatabaseName(other);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    for (const char* sql :
         {"PRAGMA journal_mode = WAL", "CREATE TABLE games(x)", "INSERT INTO games VALUES (1)"})
      ASSERT_TRUE(q.exec(sql)) << sql;
    ASSERT_TRUE(QFile::copy(other + "-wal", path + "-wal"));
  }
  QSqlDatabase::removeDatabase("other");
  worker = MakeWorker();
  EXPECT_EQ(worker->Read(1).statistics.all.played, 40);
  const QStringList aside = Folder().filter(".foreign-");
  ASSERT_EQ(aside.size(), 1) << Folder().join(' ').toStdString();
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains(aside[0])) << told[0].toStdString();
  worker->Close();

  // A history from before the application id whose log holds the id's first setting (the
  // copy that set it stopped before the log reached the file) is the history's own.
  told.clear();
  const QString older = dir.filePath("older/history.sqlite");
  ASSERT_TRUE(QDir().mkpath(dir.filePath("older")));
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "older");
    db.setDatabaseName(older);
    ASSERT_TRUE(db.open());
    ASSERT_EQ(MigrateSchema(db, 3), std::nullopt);
  }
  QSqlDatabase::removeDatabase("older");
  HistoryWorker upgrading(older, [&](const QString& m) { told << m; });
  upgrading.Keep(KnownGame(false, 90));
  const QString stopped = dir.filePath("stopped/history.sqlite");
  ASSERT_TRUE(QDir().mkpath(dir.filePath("stopped")));
  for (const QString suffix : {"", "-wal"})
    ASSERT_TRUE(QFile::copy(older + suffix, stopped + suffix));
  EXPECT_EQ(FileApplicationId(stopped), 0u);
  EXPECT_EQ(LogApplicationId(stopped + "-wal"), kApplicationId);
  HistoryWorker reopened(stopped, [&](const QString& m) { told << m; });
  EXPECT_EQ(reopened.Read(1).statistics.throwDown.played, 1);
  EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();

  // A file that another program marked as its own is not written to.
  Exec({"PRAGMA application_id = 42"});
  worker = MakeWorker();
  worker->Keep(KnownGame(true, 10));
  EXPECT_EQ(worker->waiting(), 1u);
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains("another program")) << told[0].toStdString();
  worker->Close();
  EXPECT_EQ(Rows("SELECT count(*) FROM games"), QStringList{"40"});
}

#ifdef Q_OS_UNIX
TEST_F(Faults, GamesWaitForAWriteThatSucceeds) {
  // A full disk: the game that does not fit waits, and is written with the next one.
  const QString disk = dir.filePath("disk");
  ASSERT_TRUE(QDir().mkpath(disk));
  ::marnelok::testing::RunOnSmallDisk(disk, 256, [&] {
    HistoryWorker worker(disk + "/Marnelok/history.sqlite", [&](const QString& m) { told << m; });
    worker.Keep(KnownGame(true, 150));
    ::marnelok::testing::FillDisk(disk);
    for (int total : {151, 152, 153}) worker.Keep(KnownGame(true, total));
    EXPECT_EQ(worker.waiting(), 3u);
    EXPECT_EQ(told.size(), 1) << told.join('\n').toStdString();
    QFile::remove(disk + "/filler");
    worker.Keep(KnownGame(true, 154));
    EXPECT_EQ(worker.waiting(), 0u);
    const Statistics s = worker.Read(10).statistics;
    EXPECT_EQ(s.all.played, 5);
    EXPECT_EQ(s.all.currentRun, 5);
    EXPECT_EQ(told.size(), 1);
  });

  // A folder that cannot be written: nothing can be made until it can.
  ::marnelok::testing::RunAsUnprivileged([] {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(::marnelok::testing::PermissionsBind(home.path()));
    QStringList messages;
    const QString file = home.filePath("Marnelok/history.sqlite");
    HistoryWorker worker(file, [&](const QString& m) { messages << m; });
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    worker.Keep(KnownGame(false, 60));
    worker.Keep(KnownGame(false, 61));
    EXPECT_EQ(worker.waiting(), 2u);
    EXPECT_EQ(messages.size(), 1);
    const QString unreadable = worker.Read(1).error;
    EXPECT_FALSE(unreadable.isEmpty());
    EXPECT_EQ(worker.ReadGame(kNewestFinished).error.toStdString(), unreadable.toStdString());
    QFile::setPermissions(home.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    worker.Keep(KnownGame(false, 62));
    EXPECT_EQ(worker.Read(1).statistics.throwDown.played, 3);
    EXPECT_EQ(messages.size(), 1);
  });
}
#endif

}  // namespace
}  // namespace marnelok::history
