// SPDX-License-Identifier: GPL-3.0-or-later
// One-step replacement of a small file, through a temporary file and a rename.
#include "replace_file.h"

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <QRandomGenerator>

#include "path_walk.h"
#else
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace marnelok {
namespace {

#ifdef Q_OS_UNIX

const QByteArray kTempInfix = QByteArrayLiteral(".save-");
// A save takes milliseconds; a temporary file this old belongs to one that was interrupted.
constexpr time_t kLeftoverAge = 60 * 60;

bool Refuse(const QString& path, const QString& why) {
  qWarning("Marnelok: cannot save in \"%s\": %s", qPrintable(path), qPrintable(why));
  return false;
}

// Notes the first step that failed, with the system's reason.
void Step(bool done, const char* what, QString& why) {
  if (!done && why.isEmpty()) why = SystemError(what, errno != 0 ? errno : EIO);
}

bool IsTempSuffix(const QByteArray& suffix) {
  if (suffix.isEmpty()) return false;
  for (const char c : suffix)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
  return true;
}

// Temporary files of saves that were interrupted an hour or more ago. Whether their process
// still runs says nothing: another copy in another PID namespace, container or host may use
// the same number.
void RemoveLeftovers(int folder, const QByteArray& name) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* entries = fd >= 0 ? ::fdopendir(fd) : nullptr;
  if (entries == nullptr) {
    if (fd >= 0) ::close(fd);
    return;
  }
  const QByteArray prefix = name + kTempInfix;
  const time_t now = ::time(nullptr);
  while (const dirent* entry = ::readdir(entries)) {
    const QByteArray leftover(entry->d_name);
    if (!leftover.startsWith(prefix) || !IsTempSuffix(leftover.mid(prefix.size()))) continue;
    struct stat st {};
    if (::fstatat(::dirfd(entries), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1 &&
        now - st.st_mtime >= kLeftoverAge)
      ::unlinkat(::dirfd(entries), entry->d_name, 0);
  }
  ::closedir(entries);
}

// A new file beside `name` under a name no other save can pick: created exclusively, with a
// random part, so two copies of the program never share one.
Fd CreateTemp(int folder, const QByteArray& name, mode_t mode, QByteArray& tempName) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName =
        name + kTempInfix + QByteArray::number(QRandomGenerator::system()->generate64() >> 4, 36);
    Fd fd(::openat(folder, tempName.constData(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (fd.valid() || errno != EEXIST) return fd;
  }
  return Fd();
}

// The owner and group of the file replaced, as far as this process may give them away.
void KeepOwner(int fd, const struct stat& old) {
  struct stat now {};
  if (::fstat(fd, &now) != 0 || (now.st_uid == old.st_uid && now.st_gid == old.st_gid)) return;
  if (::fchown(fd, old.st_uid, old.st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

bool WriteAll(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

#endif

}  // namespace

#ifdef Q_OS_UNIX

bool MakeFolder(const QString& path) {
  QString refusal;
  return OpenFolder(path, true, refusal).valid() || Refuse(path, refusal);
}

bool ReplaceFile(const QString& path, const QByteArray& data) {
  const PathEnd end = WalkToFile(path);
  if (!end.refusal.isEmpty()) return Refuse(path, end.refusal);
  const int folder = end.folder.get();
  const struct stat& old = end.entry;
  if (end.exists) {
    if (!S_ISREG(old.st_mode)) return Refuse(path, QStringLiteral("not a regular file"));
    // Renaming over a file parts it from its other names; writing into it in place could
    // leave a torn record. Neither is done.
    if (old.st_nlink > 1)
      return Refuse(path, QStringLiteral("the file has other names (hard links)"));
    // Root may write anything, so the mode is checked as well: no write bit, no save.
    if ((old.st_mode & 0222) == 0 ||
        ::faccessat(folder, end.name.constData(), W_OK, AT_EACCESS) != 0)
      return Refuse(path, QStringLiteral("the file is write-protected"));
  }
  RemoveLeftovers(folder, end.name);

  QByteArray temp;
  // Private until it has the old file's owner and mode; a new file gets the umask's.
  Fd fd = CreateTemp(folder, end.name, end.exists ? 0600 : 0666, temp);
  if (!fd.valid()) return Refuse(path, SystemError("create", errno));
  QString why;
  if (end.exists) {
    KeepOwner(fd.get(), old);
    Step(::fchmod(fd.get(), old.st_mode & 07777) == 0, "chmod", why);
  }
  Step(why.isEmpty() && WriteAll(fd.get(), data), "write", why);
  Step(why.isEmpty() && ::fsync(fd.get()) == 0, "fsync", why);
  Step(::close(fd.release()) == 0, "close", why);
  Step(why.isEmpty() && ::renameat(folder, temp.constData(), folder, end.name.constData()) == 0,
       "rename", why);
  if (!why.isEmpty()) {
    ::unlinkat(folder, temp.constData(), 0);
    return Refuse(path, why);
  }
  // The rename itself reaches the disk with the folder; until it has, the save is not done.
  return SyncFolder(folder) || Refuse(path, SystemError("fsync of the folder", errno));
}

#else

bool MakeFolder(const QString& path) { return QDir().mkpath(path); }

bool ReplaceFile(const QString& path, const QByteArray& data) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // commit() can miss an error of the final flush, so the flush is checked first.
  if (file.write(data) != data.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

#endif

}  // namespace marnelok
