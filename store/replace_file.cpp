// SPDX-License-Identifier: GPL-3.0-or-later
// One-step replacement of a small file, through a temporary file and a rename.
#include "replace_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace marnelok {
namespace {

const QString kTempInfix = QStringLiteral(".save-");

#ifdef Q_OS_UNIX

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// The name of the temporary file that this process uses for `target`.
QString SaveTempPath(const QString& target) {
  return target + kTempInfix + QString::number(QCoreApplication::applicationPid());
}

// The file that a save of `path` really replaces: the path itself, or the regular file that a
// link names. Empty when the name is taken by anything else.
QString SaveTarget(const QString& path, struct stat& target, bool& exists) {
  struct stat own {};
  exists = false;
  if (::lstat(Native(path).constData(), &own) != 0) return errno == ENOENT ? path : QString();
  if (S_ISREG(own.st_mode)) {
    exists = true;
    target = own;
    return path;
  }
  if (!S_ISLNK(own.st_mode)) return {};
  // A buffer of known size, so that the fortified C library checks the call at run time.
  char resolved[PATH_MAX];
  if (::realpath(Native(path).constData(), resolved) == nullptr) return {};
  const QString real = QFile::decodeName(resolved);
  if (::stat(Native(real).constData(), &target) != 0 || !S_ISREG(target.st_mode)) return {};
  exists = true;
  return real;
}

// Temporary files of saves whose process has ended. One of a process that still runs, or of
// this one, is never touched: it may be a save under way.
void RemoveLeftovers(const QString& target) {
  const QFileInfo info(target);
  const QString prefix = info.fileName() + kTempInfix;
  const QDir folder = info.absoluteDir();
  const QStringList names =
      folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    if (!name.startsWith(prefix)) continue;  // the filter also matches without regard to case
    const QString digits = name.mid(prefix.size());
    if (digits.isEmpty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
      continue;
    const auto pid = static_cast<pid_t>(digits.toLong());
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
    const QByteArray leftover = Native(folder.filePath(name));
    struct stat st {};
    if (::lstat(leftover.constData(), &st) == 0 && S_ISREG(st.st_mode))
      ::unlink(leftover.constData());
  }
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

bool ReplaceFile(const QString& path, const QByteArray& data) {
  struct stat old {};
  bool exists = false;
  const QString target = SaveTarget(path, old, exists);
  if (target.isEmpty()) return false;
  // A file the user may not write is left alone, even though the folder would allow a rename.
  if (exists && ::access(Native(target).constData(), W_OK) != 0) return false;
  RemoveLeftovers(target);

  const QByteArray temp = Native(SaveTempPath(target));
  const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::open(temp.constData(), flags, 0666);
  if (fd < 0 && errno == EEXIST) {
    // Only this process writes this name: what lies there is its own earlier failure.
    ::unlink(temp.constData());
    fd = ::open(temp.constData(), flags, 0666);
  }
  if (fd < 0) return false;
  // The replacement keeps the permissions of the file it replaces.
  bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, data) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.constData(), Native(target).constData()) == 0;
  if (!ok) {
    ::unlink(temp.constData());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const int dir = ::open(Native(QFileInfo(target).absolutePath()).constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

#else

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
