// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a path one folder at a time, following only links that the user or root owns.
//
// A link placed by another user in a folder that others may write (a shared or world-writable
// configuration folder) would otherwise redirect a save onto any file the player may write.
// Like the kernel's protected-symlinks rule, such a link is not followed. Every step opens the
// next folder relative to the last one without following links, so nothing can be swapped in
// between the check and the use.
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>

namespace marnelok {

// An open file descriptor, closed when it goes.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd();

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

// Where a path leads: the folder that holds its last name, and what lies there.
struct PathEnd {
  Fd folder;        // opened for lookups only (O_PATH)
  QByteArray name;  // the last name, after the links that led to it
  struct stat entry {};
  bool exists = false;
  QString refusal;  // why the walk stopped; empty when it reached the end
  QByteArray foreignLink;  // the name of the link of another user that stopped it, if one did
};

// Walks to the file that `path` names: links on the way and at the end are followed when
// trusted. A link at the end that leads nowhere is refused, as it names no file.
PathEnd WalkToFile(const QString& path);

// Opens the folder that `path` names, creating missing folders when `create` is set; each new
// folder reaches the disk with its parent. An invalid Fd, with `refusal` set, on failure.
// `foreignLink`, when given, gets the name of the link of another user that stopped the walk.
Fd OpenFolder(const QString& path, bool create, QString& refusal,
              QByteArray* foreignLink = nullptr);

// Flushes a folder's entries to the disk. False on an error; a folder that cannot be opened
// for reading, or a file system that cannot flush folders, has nothing to report.
bool SyncFolder(int folder);

// "what: the system's text for error".
QString SystemError(const char* what, int error);

}  // namespace marnelok
