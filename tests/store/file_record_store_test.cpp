// SPDX-License-Identifier: GPL-3.0-or-later
// The record kept in a file: round trip, odd sizes, things in the file's place, unusable folders.
#include "file_record_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ctime>
#include <random>
#include <vector>

#include "record_files.h"
#include "settings_store.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "child_process.h"
#endif

namespace marnelok {
namespace {

using testing::IsWholeRecord;
using testing::kFailed;
using testing::Numbered;
using testing::Raw;
using testing::ReadRaw;
using testing::WriteRaw;

// Every byte differs from its neighbours, from the stored test values and from the defaults.
SettingsRecord Patterned() {
  SettingsRecord r;
  for (std::size_t i = 0; i < SettingsRecord::kSize; ++i) r.bytes()[i] = std::uint8_t(i * 7 + 3);
  return r;
}

SettingsRecord WithDefaults(SettingsRecord r) {
  r.ApplyDefaults();
  return r;
}

class FileRecordStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString PathIn(const QString& relative) const { return dir_.filePath(relative); }
  QTemporaryDir dir_;
};

TEST_F(FileRecordStoreTest, FirstStartThenByteExactRoundTrip) {
  FileRecordStore store(PathIn("a/Marnelok/fRegInfo"));
  SettingsRecord record;
  LoadSettings(record, store);  // creates the folder, but writes no file
  EXPECT_TRUE(QDir(PathIn("a/Marnelok")).exists());
  EXPECT_FALSE(QFile::exists(store.path()));
  EXPECT_EQ(record.bytes(), WithDefaults(SettingsRecord{}).bytes());

  const SettingsRecord saved = Patterned();  // odd signature, spare and gap included
  EXPECT_EQ(SaveSettings(saved, store), std::nullopt);
  EXPECT_EQ(ReadRaw(store.path()), Raw(saved));
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), saved.bytes());
}

TEST_F(FileRecordStoreTest, StoredLengthDecidesBetweenPartialWholeAndDefaults) {
  FileRecordStore store(PathIn("fRegInfo"));
  for (int length : {0, 100, 180, 181, 4096}) {
    WriteRaw(store.path(), QByteArray(length, '\x5A'));
    SettingsRecord record = Patterned();
    LoadSettings(record, store);
    SettingsRecord expected = Patterned();
    if (length <= 180) {
      std::fill_n(expected.bytes().begin(), length, 0x5A);
    } else {
      expected.ApplyDefaults();
    }
    EXPECT_EQ(record.bytes(), expected.bytes()) << length << " bytes";
  }
  // Length bytes beyond their slots (255 here) are read as a full slot and no further.
  WriteRaw(store.path(), QByteArray(180, '\xFF'));
  SettingsRecord record;
  LoadSettings(record, store);
  EXPECT_EQ(record.Signature(), std::string(9, '\xFF'));
  EXPECT_EQ(record.LastName(), std::string(23, '\xFF'));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(record.HighName(k), std::string(23, '\xFF')) << k;
}

TEST_F(FileRecordStoreTest, NonFileInPlaceOfTheRecordGivesDefaultsAndAFailedSave) {
  FileRecordStore store(PathIn("fRegInfo"));
  ASSERT_TRUE(QDir().mkpath(store.path()));
  SettingsRecord record = Patterned();
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), WithDefaults(Patterned()).bytes());
  EXPECT_EQ(SaveSettings(record, store), "Failed to set data for 'fRegInfo'");
  EXPECT_TRUE(QDir(store.path()).exists());

#ifdef Q_OS_UNIX
  // Reading a pipe would wait for a writer that never comes.
  FileRecordStore pipe(PathIn("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe.path()).constData(), 0600), 0);
  std::vector<std::uint8_t> value;
  EXPECT_EQ(pipe.Read(value), RecordStore::ReadStatus::kInvalid);
#endif
}

// The folder cannot be created (it lies under a regular file) or written, or the record in it
// cannot be read: the run starts from the defaults, keeps what it holds in memory at later
// loads, says once that it cannot save, and never touches the disk. Run as an unprivileged
// user, so that permissions bind even when the suite runs as root.
TEST(UnusableStore, DefaultsOneMessageAndTheDiskLeftAlone) {
  testing::RunAsUnprivileged([] {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(testing::PermissionsBind(dir.path())) << "permissions do not bind this user";
    WriteRaw(dir.filePath("plain"), "keep");
    const QString locked = dir.filePath("locked");
    const QString unreadable = dir.filePath("unreadable/fRegInfo");
    ASSERT_TRUE(QDir().mkpath(locked) && QDir().mkpath(dir.filePath("unreadable")));
    WriteRaw(locked + "/fRegInfo", QByteArray(180, '\x11'));
    WriteRaw(unreadable, QByteArray(180, '\x22'));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(unreadable, QFileDevice::Permissions());

    for (const QString& path :
         {dir.filePath("plain/sub/fRegInfo"), locked + "/fRegInfo", unreadable}) {
      SCOPED_TRACE(path.toStdString());
      FileRecordStore store(path);
      SettingsRecord record;  // all zero, as at the start of a run
      LoadSettings(record, store);
      EXPECT_EQ(record.bytes(), WithDefaults(SettingsRecord{}).bytes());
      record.SetHighScore(1, 77);  // a new score of this run
      LoadSettings(record, store);
      EXPECT_EQ(record.HighScore(1), 77);
      EXPECT_EQ(SaveSettings(record, store), kFailed);
      EXPECT_EQ(SaveSettings(record, store), std::nullopt);
      EXPECT_EQ(SaveSettings(record, store), std::nullopt);
    }
    EXPECT_EQ(ReadRaw(dir.filePath("plain")), "keep");
    EXPECT_EQ(ReadRaw(locked + "/fRegInfo"), QByteArray(180, '\x11'));
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"fRegInfo"});
    QFile::setPermissions(unreadable, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadRaw(unreadable), QByteArray(180, '\x22'));  // the stored list survives
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  });
}

// A save that cannot complete on a full disk keeps the old record whole and says so.
TEST_F(FileRecordStoreTest, AFullDiskKeepsTheOldRecordAndReportsTheFailure) {
  const QString disk = PathIn("disk");
  ASSERT_TRUE(QDir().mkpath(disk));
  testing::RunOnSmallDisk(disk, 64, [&] {
    FileRecordStore store(disk + "/Marnelok/fRegInfo");
    SettingsRecord record = Patterned();
    ASSERT_EQ(SaveSettings(record, store), std::nullopt);
    testing::FillDisk(disk);
    record.SetHighScore(1, 123);
    EXPECT_EQ(SaveSettings(record, store), kFailed);
    EXPECT_EQ(ReadRaw(store.path()), Raw(Patterned()));
    EXPECT_EQ(QDir(disk + "/Marnelok").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"fRegInfo"});
    QFile::remove(disk + "/filler");
    EXPECT_EQ(SaveSettings(record, store), std::nullopt);
    EXPECT_EQ(ReadRaw(store.path()), Raw(record));
  });
}

#ifdef Q_OS_UNIX
// A link to a regular file is written through and stays a link; a link to anything else, or a
// name that is not a regular file, refuses the save and changes nothing.
TEST_F(FileRecordStoreTest, OnlyARegularFileIsWrittenEvenThroughALink) {
  const QString target = PathIn("real");
  WriteRaw(target, QByteArray(180, '\x33'));
  ASSERT_TRUE(QFile::link(target, PathIn("link")));
  FileRecordStore linked(PathIn("link"));
  EXPECT_EQ(SaveSettings(Patterned(), linked), std::nullopt);
  EXPECT_TRUE(QFileInfo(linked.path()).isSymLink());
  EXPECT_EQ(ReadRaw(target), Raw(Patterned()));

  // Root makes a device node (a second null device); anyone else stands a pipe in for it.
  const QByteArray node = QFile::encodeName(PathIn("node"));
  const bool device = ::geteuid() == 0;
  ASSERT_EQ(device ? ::mknod(node.constData(), S_IFCHR | 0600, ::makedev(1, 3))
                   : ::mkfifo(node.constData(), 0600),
            0);
  ASSERT_EQ(::mkfifo(QFile::encodeName(PathIn("pipe")).constData(), 0600), 0);
  ASSERT_TRUE(QDir().mkpath(PathIn("folder")));
  for (const char* to : {"node", "pipe", "folder", "missing"})
    ASSERT_TRUE(QFile::link(PathIn(to), PathIn(QString("to-") + to)));
  for (const char* name : {"to-node", "to-pipe", "to-folder", "to-missing", "node", "pipe"}) {
    SCOPED_TRACE(name);
    FileRecordStore store(PathIn(name));
    SettingsRecord record = Patterned();
    LoadSettings(record, store);  // not a record: the defaults
    EXPECT_EQ(record.bytes(), WithDefaults(Patterned()).bytes());
    EXPECT_EQ(SaveSettings(record, store), kFailed);
  }
  struct stat st {};
  ASSERT_EQ(::stat(node.constData(), &st), 0);
  EXPECT_TRUE(device ? S_ISCHR(st.st_mode) : S_ISFIFO(st.st_mode));
  EXPECT_TRUE(QFileInfo(PathIn("pipe")).exists() && !QFileInfo(PathIn("pipe")).isFile());
  EXPECT_TRUE(QFileInfo(PathIn("folder")).isDir());
  EXPECT_FALSE(QFileInfo::exists(PathIn("missing")));
  for (const char* to : {"node", "pipe", "folder", "missing"})
    EXPECT_EQ(QFileInfo(PathIn(QString("to-") + to)).symLinkTarget(), PathIn(to));
  EXPECT_EQ(
      QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
      9);
}

// Saves killed at random moments leave one whole record, old or new, every time. What they
// leave beside it, and anything else named like it, stays while it is fresh: another copy of
// the program may be writing it, whatever its process id. An hour later the next save removes
// the regular files named for the record and nothing else.
TEST_F(FileRecordStoreTest, KilledSavesLeaveAWholeRecordAndOnlyOldLeftoversGo) {
  FileRecordStore store(PathIn("Marnelok/fRegInfo"));
  ASSERT_EQ(SaveSettings(Numbered(0), store), std::nullopt);
  std::mt19937 random(7);
  int torn = 0;
  for (int kill = 1; kill <= 200; ++kill) {
    const pid_t pid = ::fork();
    ASSERT_NE(pid, -1);
    if (pid == 0) {
      for (std::uint32_t n = kill * 100000u;; ++n) SaveSettings(Numbered(n), store);
    }
    ::usleep(std::uniform_int_distribution<int>(0, 4000)(random));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    if (!IsWholeRecord(ReadRaw(store.path()))) ++torn;
  }
  EXPECT_EQ(torn, 0);

  const QString folder = PathIn("Marnelok/");
  for (const char* name : {"fRegInfo.save-1", "fRegInfo.save-k7q2", "fRegInfo.save-1X",
                           "other.save-1", "fRegInfo.backup"})
    WriteRaw(folder + name, "x");
  ASSERT_TRUE(QFile::link(folder + "other.save-1", folder + "fRegInfo.save-zz"));
  const auto entries = [&] {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
  };
  const QStringList fresh = entries();
  EXPECT_EQ(SaveSettings(Numbered(9), store), std::nullopt);
  EXPECT_EQ(entries(), fresh);
  const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const QString& name : fresh)
    ::utimensat(AT_FDCWD, QFile::encodeName(folder + name), hourAgo, AT_SYMLINK_NOFOLLOW);
  EXPECT_EQ(SaveSettings(Numbered(10), store), std::nullopt);
  EXPECT_EQ(entries(), QStringList({"fRegInfo", "fRegInfo.backup", "fRegInfo.save-1X",
                                    "fRegInfo.save-zz", "other.save-1"}));
  EXPECT_EQ(ReadRaw(store.path()), Raw(Numbered(10)));
}

// Two copies whose saves run as process 1 of two PID namespaces, as sandboxed or containerised
// copies sharing one home do: every save succeeds, every read meanwhile finds a whole record,
// and no temporary file is left.
TEST_F(FileRecordStoreTest, TwoCopiesWithOneProcessIdKeepTheRecordWhole) {
  FileRecordStore store(PathIn("Marnelok/fRegInfo"));
  ASSERT_EQ(SaveSettings(Numbered(0), store), std::nullopt);
  std::vector<pid_t> copies;
  for (std::uint32_t copy : {1u, 2u}) {
    copies.push_back(testing::StartInPidNamespace([&store, copy] {
      ASSERT_EQ(::getpid(), 1);
      FileRecordStore own(store.path());
      int failed = 0;
      for (std::uint32_t n = 1; n <= 300; ++n)
        failed += SaveSettings(Numbered(copy << 24 | n), own).has_value();
      EXPECT_EQ(failed, 0);
    }));
  }
  int reads = 0, bad = 0;
  while (testing::ChildRunning(copies[0]) || testing::ChildRunning(copies[1])) {
    ++reads;
    if (!IsWholeRecord(ReadRaw(store.path()))) ++bad;
  }
  for (const pid_t copy : copies) testing::WaitForChild(copy);
  EXPECT_EQ(bad, 0) << "of " << reads << " reads";
  EXPECT_EQ(QDir(PathIn("Marnelok")).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList{"fRegInfo"});
}
#endif

TEST_F(FileRecordStoreTest, DefaultPathFollowsXdgConfigHome) {
  const QString fallback = QDir::homePath() + "/.config/Marnelok/fRegInfo";
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
  EXPECT_EQ(FileRecordStore::DefaultPath(), dir_.path() + "/Marnelok/fRegInfo");
  qputenv("XDG_CONFIG_HOME", "relative/dir");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
  // Bytes that are no UTF-8 name would come back as another folder.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()) + "/cfg-\xff\xfe");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(FileRecordStore::DefaultPath(), fallback);
}

}  // namespace
}  // namespace marnelok
