// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing the record where the player's settings, other users' links and failing folder
// flushes meet it.
#include "replace_file.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <vector>

#include "child_process.h"
#include "file_record_store.h"
#include "record_files.h"
#include "settings_store.h"

// Every fsync of the test program passes through here: the folders flushed are noted, and
// their flush fails with g_folderSyncError when it is set.
namespace {
int g_folderSyncError = 0;
std::vector<ino_t> g_syncedFolders;
}  // namespace

extern "C" int fsync(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    g_syncedFolders.push_back(st.st_ino);
    if (g_folderSyncError != 0) {
      errno = g_folderSyncError;
      return -1;
    }
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace marnelok {
namespace {

using testing::kFailed;
using testing::Numbered;
using testing::Raw;
using testing::ReadRaw;

ino_t Inode(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Root may write any file, yet a record without a write bit is read but never replaced. A
// replaced record keeps its mode, and its owner where the process may set it. A record with a
// second name (a hard link) is refused: a rename would part the names, writing in place could
// tear it.
TEST(ReplaceFile, KeepsWhatThePlayerSetOnTheRecord) {
  QTemporaryDir dir;
  FileRecordStore store(dir.filePath("fRegInfo"));
  const QByteArray native = QFile::encodeName(store.path());
  testing::WriteRaw(store.path(), Raw(Numbered(1)));
  ASSERT_EQ(::chmod(native.constData(), 0444), 0);
  SettingsRecord record;
  LoadSettings(record, store);
  EXPECT_EQ(record.bytes(), Numbered(1).bytes());
  EXPECT_EQ(SaveSettings(Numbered(2), store), kFailed);
  EXPECT_EQ(ReadRaw(store.path()), Raw(Numbered(1)));

  // Root's save of a record that belongs to "nobody"; anyone else's save of their own.
  const uid_t owner = ::geteuid() == 0 ? ::getpwnam("nobody")->pw_uid : ::geteuid();
  ASSERT_EQ(::chown(native.constData(), owner, static_cast<gid_t>(-1)), 0);
  ASSERT_EQ(::chmod(native.constData(), 0604), 0);
  EXPECT_EQ(SaveSettings(Numbered(3), store), std::nullopt);
  struct stat st {};
  ASSERT_EQ(::stat(native.constData(), &st), 0);
  EXPECT_EQ(st.st_uid, owner);
  EXPECT_EQ(st.st_mode & 07777, 0604u);

  ASSERT_TRUE(QFile::link(store.path(), dir.filePath("symbolic")));
  ASSERT_EQ(::link(native.constData(), QFile::encodeName(dir.filePath("second")).constData()), 0);
  EXPECT_EQ(SaveSettings(Numbered(4), store), kFailed);
  EXPECT_EQ(Inode(store.path()), Inode(dir.filePath("second")));
  EXPECT_EQ(ReadRaw(dir.filePath("second")), Raw(Numbered(3)));
}

// A link is followed only when the user or root owns it. Inside a user namespace of its own,
// the links of the machine's root (/proc/self here) belong to a user the process cannot name,
// as another user's link in a shared folder does: a save through one is refused and changes
// nothing, while the process's own link still works.
TEST(ReplaceFile, FollowsOnlyLinksOfTheUserOrRoot) {
  testing::RunAsUnprivileged([] {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::chdir(QFile::encodeName(dir.path()).constData()), 0);
    const QString throughRootsLink = QStringLiteral("/proc/self/cwd/fRegInfo");
    EXPECT_TRUE(ReplaceFile(throughRootsLink, Raw(Numbered(1))));
    ASSERT_EQ(testing::EnterUserNamespace(1000), "");
    ASSERT_TRUE(QFile::link(dir.filePath("fRegInfo"), dir.filePath("own")));
    EXPECT_TRUE(ReplaceFile(dir.filePath("own"), Raw(Numbered(2))));
    FileRecordStore store(throughRootsLink);
    EXPECT_EQ(SaveSettings(Numbered(3), store), kFailed);
    EXPECT_FALSE(ReplaceFile(throughRootsLink, Raw(Numbered(3))));
    EXPECT_EQ(ReadRaw(dir.filePath("fRegInfo")), Raw(Numbered(2)));
  });
}

// Each folder the store creates is flushed into its parent; a folder flush that fails after
// the rename fails the save.
TEST(ReplaceFile, FlushesNewFoldersAndReportsAFailedFolderFlush) {
  QTemporaryDir dir;
  FileRecordStore store(dir.filePath("a/Marnelok/fRegInfo"));
  g_syncedFolders.clear();
  SettingsRecord record;
  LoadSettings(record, store);
  EXPECT_EQ(g_syncedFolders, (std::vector<ino_t>{Inode(dir.path()), Inode(dir.filePath("a"))}));
  g_folderSyncError = EIO;
  EXPECT_EQ(SaveSettings(record, store), kFailed);
  g_folderSyncError = 0;
  EXPECT_EQ(SaveSettings(record, store), std::nullopt);
}

}  // namespace
}  // namespace marnelok
