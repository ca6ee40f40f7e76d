// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a file before it is written by name: reached only through the user's or root's
// links, a regular file with no other names, or nothing yet.
#pragma once

#include <QString>
#include <cstdint>

namespace marnelok {

// A file's place, once its path has been walked.
struct FileCheck {
  enum class Why { kNone, kForeignLink, kNotRegular, kOtherNames, kSystem };
  Why why = Why::kNone;
  QString refusal;  // why the file may not be written, in English; empty when it may
  QString subject;  // the name of the link, or of the file, that was refused
  // The path to hand on: the folder as the system names it, without links, and the last name
  // after the trusted links that led to it. The given path where the system names no folder.
  QString path;
  bool exists = false;
  // Who the file is, when it exists, and the folder that holds it under `name`; compared
  // rather than names, so that two paths to one file are seen as one.
  std::uint64_t device = 0, inode = 0;
  std::uint64_t folderDevice = 0, folderInode = 0;
  QString name;
};

// Walks `path` as the settings record's save does: a link, in the folders on the way and at
// the end, is followed only when the user or root owns it; at the end there must be a regular
// file with no other names (hard links), or nothing. On Windows nothing is refused.
FileCheck CheckFileToWrite(const QString& path);

// Makes the folder `path` and the missing ones above it, walking as CheckFileToWrite does;
// each new folder reaches the disk with its parent. Only `why`, `refusal` and `subject` are set.
FileCheck MakeFolders(const QString& path);

// Whether two checked paths name the same file, or the same name in the same folder.
bool SameFile(const FileCheck& a, const FileCheck& b);

}  // namespace marnelok
