// SPDX-License-Identifier: GPL-3.0-or-later
// The history's file and the export's target are reached only through the player's or root's
// links: another user's link, on the way or at the end, and a file with other names are
// refused and told, the games wait in memory, and nothing of the other user's changes. The
// export never writes over the history, whatever name it is given.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "history_fixture.h"

namespace marnelok::history {
namespace {

using testing::HistoryTest;

// A user that is neither the process's nor root.
constexpr uid_t kOtherUser = 4242;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// A symbolic link at `link` to `target`, owned by another user.
void TheirLink(const QString& target, const QString& link) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(link).path()));
  ASSERT_EQ(::symlink(Native(target).constData(), Native(link).constData()), 0);
  ASSERT_EQ(::lchown(Native(link).constData(), kOtherUser, kOtherUser), 0);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void Write(const QString& path, const QByteArray& data) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(data), data.size());
}

// The tables of the SQLite database at `path`, through a connection of its own.
QStringList Tables(const QString& path) {
  QStringList tables;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "their-database");
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
    QSqlQuery q(db);
    q.exec("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    while (q.next()) tables << q.value(0).toString();
    if (tables.isEmpty()) q.exec("CREATE TABLE notes (text TEXT)");
  }
  QSqlDatabase::removeDatabase("their-database");
  return tables;
}

class Paths : public HistoryTest {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "making another user's links needs root, as in CI";
  }
};

TEST_F(Paths, AnotherUsersLinksAndSecondNamesAreRefusedAndTheGamesWait) {
  // What the other user has: an empty file, their program's database, a folder.
  const QString theirs = dir.filePath("theirs");
  Write(theirs + "/empty", {});
  EXPECT_TRUE(Tables(theirs + "/notes.sqlite").isEmpty());  // now it holds "notes"
  ASSERT_TRUE(QDir().mkpath(theirs + "/folder"));
  const QStringList theirFiles = QDir(theirs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

  using Make = std::function<void(const QString& history)>;
  const std::vector<std::pair<const char*, Make>> cases{
      {"a link to their empty file", [&](const QString& h) { TheirLink(theirs + "/empty", h); }},
      {"a link to their program's database",
       [&](const QString& h) { TheirLink(theirs + "/notes.sqlite", h); }},
      {"a link into their folder",
       [&](const QString& h) { TheirLink(theirs + "/folder/history.sqlite", h); }},
      {"the folder as their link",
       [&](const QString& h) { TheirLink(theirs + "/folder", QFileInfo(h).path()); }},
      {"a log as their link", [&](const QString& h) { TheirLink(theirs + "/empty", h + "-wal"); }},
      {"shared memory as their link",
       [&](const QString& h) { TheirLink(theirs + "/empty", h + "-shm"); }},
      {"a second name", [&](const QString& h) {
         Write(h, {});
         ASSERT_EQ(::link(Native(h).constData(), Native(theirs + "/second").constData()), 0);
       }}};
  for (const auto& [name, make] : cases) {
    SCOPED_TRACE(name);
    told.clear();
    const QString history = dir.filePath(QString("%1/Marnelok/history.sqlite").arg(name));
    make(history);
    if (::testing::Test::HasFatalFailure()) return;
    const QString why = QFile::exists(theirs + "/second") ? "other names" : "another user";
    HistoryWorker worker(history, [this](const QString& m) { told << m; });
    worker.Keep(KnownGame(true, 150));
    worker.Keep(KnownGame(true, 151));
    EXPECT_EQ(worker.waiting(), 2u);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(why)) << told[0].toStdString();
    EXPECT_TRUE(worker.Read(5).error.contains(why));
    QFile::remove(theirs + "/second");
    EXPECT_EQ(QDir(theirs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), theirFiles);
    EXPECT_EQ(Contents(theirs + "/empty"), QByteArray());
    EXPECT_TRUE(QDir(theirs + "/folder").isEmpty());
  }
  EXPECT_EQ(Tables(theirs + "/notes.sqlite"), QStringList("notes"));

  // Once their link is gone, the games that waited are written; the player's own link is
  // followed.
  const QString own = dir.filePath("own/history.sqlite");
  TheirLink(theirs + "/empty", own);
  HistoryWorker worker(own, [this](const QString& m) { told << m; });
  worker.Keep(KnownGame(true, 150));
  ASSERT_TRUE(QFile::remove(own));
  Write(path, {});  // a link that leads nowhere names no file
  ASSERT_TRUE(QFile::link(path, own));
  worker.Keep(KnownGame(true, 151));
  EXPECT_EQ(worker.waiting(), 0u);
  EXPECT_EQ(Rows("SELECT total FROM games ORDER BY id"), QStringList({"150", "151"}));
  EXPECT_TRUE(QFileInfo(own).isSymLink());
}

TEST_F(Paths, TheExportNeverWritesOverTheHistoryNorThroughAnotherUsersLink) {
  auto worker = MakeWorker();
  worker->Keep(KnownGame(true, 150));
  ASSERT_TRUE(QFile::link(path, dir.filePath("own link.csv")));
  ASSERT_EQ(::link(Native(path).constData(), Native(dir.filePath("second name.csv")).constData()),
            0);
  const QStringList history{path,
                            path + "-wal",
                            path + "-shm",
                            dir.filePath("Marnelok/../Marnelok/./history.sqlite"),
                            dir.filePath("own link.csv"),
                            dir.filePath("second name.csv")};
  for (const QString& target : history) {
    SCOPED_TRACE(target.toStdString());
    const std::optional<QString> error = worker->Export(target);
    ASSERT_NE(error, std::nullopt);
    EXPECT_FALSE(error->isEmpty());
  }
  ASSERT_EQ(::unlink(Native(dir.filePath("second name.csv")).constData()), 0);
  EXPECT_TRUE(worker->Export(path)->contains("history itself"));
  EXPECT_EQ(worker->Read(5).statistics.all.played, 1);
  EXPECT_EQ(Rows("SELECT total FROM games"), QStringList("150"));

  // Their file behind their link in a shared folder stays theirs.
  Write(dir.filePath("theirs.csv"), "their numbers");
  TheirLink(dir.filePath("theirs.csv"), dir.filePath("shared/games.csv"));
  EXPECT_NE(worker->Export(dir.filePath("shared/games.csv")), std::nullopt);
  EXPECT_EQ(Contents(dir.filePath("theirs.csv")), "their numbers");
  EXPECT_EQ(worker->Export(dir.filePath("shared/mine.csv")), std::nullopt);
  EXPECT_TRUE(Contents(dir.filePath("shared/mine.csv")).startsWith("id,"));
}

}  // namespace
}  // namespace marnelok::history
