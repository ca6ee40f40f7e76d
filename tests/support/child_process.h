// SPDX-License-Identifier: GPL-3.0-or-later
// Test code that must run where the suite's own process cannot: as an unprivileged user, in
// namespaces of its own, or on a small, full disk. The code runs in a forked child; its
// GoogleTest failures, a crash, or a child that cannot be set up all fail the calling test.
#pragma once

#include <sys/types.h>

#include <QString>
#include <functional>
#include <string>

namespace marnelok::testing {

// Runs `body` as the user "nobody" when the suite runs as root (as CI does), and otherwise as
// the current user. `body` should first check that permissions bind (PermissionsBind).
void RunAsUnprivileged(const std::function<void()>& body);

// Makes the calling process the user `inside` of a new user namespace that maps its own user
// alone: users it did not know before, root included, then own nothing it can name. Returns
// "" or why it could not.
std::string EnterUserNamespace(unsigned inside);

// Starts `body` in a child that is process 1 of a new PID namespace (entered through a user
// namespace when not root), so two such children have the same process id. ChildRunning tells
// whether it still runs; WaitForChild waits for it and fails the calling test when it failed
// or could not be set up.
pid_t StartInPidNamespace(const std::function<void()>& body);
bool ChildRunning(pid_t pid);
void WaitForChild(pid_t pid);

// Runs `body` with a private tmpfs of `kib` KiB mounted on the existing folder `folder`, seen
// by the child alone and gone when it ends. Without root, a user namespace provides the mount.
void RunOnSmallDisk(const QString& folder, int kib, const std::function<void()>& body);

// True when the file permissions of `folder` bind the current user.
bool PermissionsBind(const QString& folder);

// Fills the disk that holds `folder` until nothing more can be written.
void FillDisk(const QString& folder);

}  // namespace marnelok::testing
