// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a file before it is written by name.
#include "file_check.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "path_walk.h"
#endif

namespace marnelok {

#ifdef Q_OS_UNIX

namespace {

// The folder's own path as the system names it, links resolved; empty where /proc is missing.
QString FolderPath(int folder) {
  QByteArray target(PATH_MAX, '\0');
  const QByteArray link = "/proc/self/fd/" + QByteArray::number(folder);
  const ssize_t size = ::readlink(link.constData(), target.data(), PATH_MAX);
  if (size <= 0 || size >= PATH_MAX || target[0] != '/') return {};
  target.truncate(size);
  return QFile::decodeName(target);
}

// Notes a walk's refusal: another user's link, or the system's error.
void Refused(FileCheck& check, const QString& refusal, const QByteArray& foreignLink) {
  check.refusal = refusal;
  if (refusal.isEmpty()) return;
  check.why = foreignLink.isEmpty() ? FileCheck::Why::kSystem : FileCheck::Why::kForeignLink;
  check.subject = QFile::decodeName(foreignLink);
}

}  // namespace

FileCheck MakeFolders(const QString& path) {
  FileCheck check;
  QString refusal;
  QByteArray foreignLink;
  OpenFolder(path, true, refusal, &foreignLink);
  Refused(check, refusal, foreignLink);
  return check;
}

FileCheck CheckFileToWrite(const QString& path) {
  FileCheck check;
  check.path = path;
  const PathEnd end = WalkToFile(path);
  Refused(check, end.refusal, end.foreignLink);
  if (!check.refusal.isEmpty()) return check;
  struct stat folder {};
  if (::fstat(end.folder.get(), &folder) == 0) {
    check.folderDevice = folder.st_dev;
    check.folderInode = folder.st_ino;
  }
  check.name = QFile::decodeName(end.name);
  const QString real = FolderPath(end.folder.get());
  if (!real.isEmpty()) check.path = (real == QStringLiteral("/") ? QString() : real) + '/' + check.name;
  check.exists = end.exists;
  if (!end.exists) return check;
  check.device = end.entry.st_dev;
  check.inode = end.entry.st_ino;
  if (!S_ISREG(end.entry.st_mode)) {
    check.why = FileCheck::Why::kNotRegular;
    check.refusal = QStringLiteral("\"%1\" is not a regular file").arg(check.name);
  } else if (end.entry.st_nlink > 1) {
    check.why = FileCheck::Why::kOtherNames;
    check.refusal = QStringLiteral("\"%1\" has other names (hard links)").arg(check.name);
  }
  if (check.why != FileCheck::Why::kNone) check.subject = check.name;
  return check;
}

bool SameFile(const FileCheck& a, const FileCheck& b) {
  if (a.exists && b.exists && a.device == b.device && a.inode == b.inode) return true;
  return !a.name.isEmpty() && a.name == b.name && a.folderDevice == b.folderDevice &&
         a.folderInode == b.folderInode;
}

#else

FileCheck MakeFolders(const QString& path) {
  FileCheck check;
  if (!QDir().mkpath(path)) {
    check.why = FileCheck::Why::kSystem;
    check.refusal = QStringLiteral("mkdir failed");
  }
  return check;
}

FileCheck CheckFileToWrite(const QString& path) {
  FileCheck check;
  const QFileInfo info(path);
  check.exists = info.exists();
  check.path = check.exists ? info.canonicalFilePath() : info.absoluteFilePath();
  check.name = check.path;
  return check;
}

bool SameFile(const FileCheck& a, const FileCheck& b) {
  return !a.name.isEmpty() && a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

#endif

}  // namespace marnelok
