// SPDX-License-Identifier: GPL-3.0-or-later
// Forked children for tests that need another user or a small disk.
#include "child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <string>

namespace marnelok::testing {
namespace {

constexpr int kSetupFailed = 3;

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

bool WriteText(const char* path, const std::string& text) {
  const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  return ::close(fd) == 0 && ok;
}

// Forks a child that runs `setup`, then `body`; `setup` returns an error text or "".
pid_t StartChild(const char* what, const std::function<std::string()>& setup,
                 const std::function<void()>& body) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid == -1) ADD_FAILURE() << Errno("fork");
  if (pid == 0) {
    const std::string error = setup();
    if (!error.empty()) {
      std::fprintf(stderr, "%s could not be set up: %s\n", what, error.c_str());
      std::fflush(stderr);
      ::_exit(kSetupFailed);
    }
    body();
    std::fflush(stdout);
    // No destructors or exit handlers: the parent's objects are the parent's to clean up.
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  return pid;
}

void FinishChild(pid_t pid, const char* what) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  ASSERT_TRUE(WIFEXITED(status)) << what << ": the child died of signal " << WTERMSIG(status);
  ASSERT_NE(WEXITSTATUS(status), kSetupFailed) << what << ": the case could not run";
  EXPECT_EQ(WEXITSTATUS(status), 0) << what << ": failed in the child (see above)";
}

void RunInChild(const char* what, const std::function<std::string()>& setup,
                const std::function<void()>& body) {
  const pid_t pid = StartChild(what, setup, body);
  if (pid > 0) FinishChild(pid, what);
}

const char kInPidNamespace[] = "in a new PID namespace";

}  // namespace

void RunAsUnprivileged(const std::function<void()>& body) {
  RunInChild(
      "as an unprivileged user",
      [] {
        if (::geteuid() != 0) return std::string();
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) return std::string("no user 'nobody'");
        if (::setgroups(0, nullptr) != 0) return Errno("setgroups");
        if (::setgid(nobody->pw_gid) != 0) return Errno("setgid");
        if (::setuid(nobody->pw_uid) != 0) return Errno("setuid");
        if (::setuid(0) == 0) return std::string("root could be regained");
        return std::string();
      },
      body);
}

std::string EnterUserNamespace(unsigned inside) {
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  // A process that was root and changed its user may not write its own maps otherwise.
  if (::prctl(PR_SET_DUMPABLE, 1) != 0) return Errno("prctl(dumpable)");
  if (::unshare(CLONE_NEWUSER) != 0) return Errno("unshare(user)");
  const std::string id = std::to_string(inside) + " ";
  if (!WriteText("/proc/self/setgroups", "deny") ||
      !WriteText("/proc/self/uid_map", id + std::to_string(uid) + " 1") ||
      !WriteText("/proc/self/gid_map", id + std::to_string(gid) + " 1"))
    return Errno("user namespace maps");
  return std::string();
}

pid_t StartInPidNamespace(const std::function<void()>& body) {
  return StartChild(
      kInPidNamespace,
      [] {
        const std::string error = ::geteuid() == 0 ? std::string() : EnterUserNamespace(0);
        if (!error.empty() || ::unshare(CLONE_NEWPID) == 0) return error;
        return Errno("unshare(pid)");
      },
      [&body] {
        // The first child made after the unshare is the namespace's process 1.
        const pid_t first = StartChild(
            kInPidNamespace, [] { return std::string(); }, body);
        if (first > 0) FinishChild(first, kInPidNamespace);
      });
}

bool ChildRunning(pid_t pid) {
  siginfo_t info{};
  return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == 0;
}

void WaitForChild(pid_t pid) { FinishChild(pid, kInPidNamespace); }

void RunOnSmallDisk(const QString& folder, int kib, const std::function<void()>& body) {
  const QByteArray target = QFile::encodeName(folder);
  RunInChild(
      "on a small disk",
      [&] {
        if (::geteuid() != 0) {
          const std::string error = EnterUserNamespace(0);
          if (!error.empty()) return error;
        }
        if (::unshare(CLONE_NEWNS) != 0) return Errno("unshare(mount)");
        // Nothing mounted here may reach the rest of the machine.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
          return Errno("private mounts");
        const std::string options = "size=" + std::to_string(kib) + "k,mode=0755";
        if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                    options.c_str()) != 0)
          return Errno("mount tmpfs");
        return std::string();
      },
      [&] {
        body();
        ::umount2(target.constData(), MNT_DETACH);
      });
}

bool PermissionsBind(const QString& folder) {
  const QString path = folder + QStringLiteral("/permission-probe");
  {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return false;
  }
  QFile::setPermissions(path, QFileDevice::Permissions());
  QFile probe(path);
  const bool binds = !probe.open(QIODevice::ReadOnly);
  probe.close();
  QFile::remove(path);
  return binds;
}

void FillDisk(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder + QStringLiteral("/filler"));
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0) << Errno("filler");
  const std::string block(4096, 'f');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  // The last pages may take a smaller write.
  while (::write(fd, block.data(), 1) > 0) {
  }
  ::close(fd);
}

}  // namespace marnelok::testing
