// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a path one folder at a time, following only links that the user or root owns.
#include "path_walk.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <string.h>
#include <unistd.h>

#include <QFile>
#include <deque>

namespace marnelok {
namespace {

// As many as the kernel follows in one lookup.
constexpr int kMaxLinks = 40;

// The names of a path, with empty and "." names left out.
std::deque<QByteArray> Names(const QByteArray& path) {
  std::deque<QByteArray> names;
  for (const QByteArray& name : path.split('/'))
    if (!name.isEmpty() && name != ".") names.push_back(name);
  return names;
}

Fd OpenStart(const QByteArray& path) {
  return Fd(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// Where the walk stands: the folder reached so far and the names still to go.
struct Walk {
  Fd folder;
  std::deque<QByteArray> names;
  int links = 0;
  QString refusal;
  QByteArray foreignLink;

  // Puts the target of the link `name` in the current folder in front of the remaining names.
  void Follow(const QByteArray& name, const struct stat& link) {
    if (link.st_uid != ::geteuid() && link.st_uid != 0) {
      foreignLink = name;
      refusal =
          QStringLiteral("the link \"%1\" belongs to another user").arg(QFile::decodeName(name));
      return;
    }
    if (++links > kMaxLinks) {
      refusal = SystemError("links", ELOOP);
      return;
    }
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlinkat(folder.get(), name.constData(), target.data(), PATH_MAX);
    if (size <= 0 || size >= PATH_MAX) {
      refusal = SystemError("readlink", size < 0 ? errno : ENAMETOOLONG);
      return;
    }
    target.truncate(size);
    if (target.startsWith('/')) folder = OpenStart(target);
    if (!folder.valid()) refusal = SystemError("open /", errno);
    const std::deque<QByteArray> more = Names(target);
    names.insert(names.begin(), more.begin(), more.end());
  }

  // Makes the missing folder `name` and flushes it into its parent; the walk then looks at it
  // again, as what stands there now may be another's link.
  void Create(const QByteArray& name) {
    if (::mkdirat(folder.get(), name.constData(), 0777) == 0) {
      if (!SyncFolder(folder.get())) refusal = SystemError("fsync of the parent folder", errno);
    } else if (errno != EEXIST) {
      refusal = SystemError("mkdir", errno);
    }
    names.push_front(name);
  }

  void Enter(const QByteArray& name) {
    folder =
        Fd(::openat(folder.get(), name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) refusal = SystemError("open", errno);
  }
};

// Walks `path`; stops before the last name when `toFile` is set, following a link there too.
Walk WalkPath(const QString& path, bool toFile, bool create, PathEnd* end) {
  const QByteArray native = QFile::encodeName(path);
  Walk walk;
  walk.folder = OpenStart(native);
  walk.names = Names(native);
  if (!walk.folder.valid()) walk.refusal = SystemError("open", errno);
  bool throughEndLink = false;  // the last name was a link: what follows is its target
  while (walk.refusal.isEmpty() && !walk.names.empty()) {
    const QByteArray name = walk.names.front();
    walk.names.pop_front();
    const bool last = toFile && walk.names.empty();
    struct stat entry {};
    if (::fstatat(walk.folder.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT && last && !throughEndLink) {
        end->name = name;
        return walk;
      }
      if (errno != ENOENT || !create || last) {
        walk.refusal = SystemError("stat", errno);
      } else {
        walk.Create(name);
      }
      continue;
    }
    if (S_ISLNK(entry.st_mode)) {
      throughEndLink = throughEndLink || (toFile && walk.names.empty());
      walk.Follow(name, entry);
    } else if (last) {
      end->name = name;
      end->entry = entry;
      end->exists = true;
      return walk;
    } else {
      walk.Enter(name);
    }
  }
  return walk;
}

}  // namespace

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

Fd::~Fd() {
  if (fd_ >= 0) ::close(fd_);
}

QString SystemError(const char* what, int error) {
  return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(error)));
}

PathEnd WalkToFile(const QString& path) {
  PathEnd end;
  Walk walk = WalkPath(path, true, false, &end);
  if (walk.refusal.isEmpty() && end.name.isEmpty()) walk.refusal = SystemError("open", EISDIR);
  end.refusal = walk.refusal;
  end.foreignLink = walk.foreignLink;
  if (end.refusal.isEmpty()) end.folder = std::move(walk.folder);
  return end;
}

Fd OpenFolder(const QString& path, bool create, QString& refusal, QByteArray* foreignLink) {
  Walk walk = WalkPath(path, false, create, nullptr);
  refusal = walk.refusal;
  if (foreignLink != nullptr) *foreignLink = walk.foreignLink;
  return refusal.isEmpty() ? std::move(walk.folder) : Fd();
}

bool SyncFolder(int folder) {
  const Fd readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!readable.valid()) return errno == EACCES;
  return ::fsync(readable.get()) == 0 || errno == EINVAL;
}

}  // namespace marnelok
