// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a small file's contents as one step: the file holds the old contents or the new,
// never a mix, never an empty file, and a write that fails leaves it as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace marnelok {

// Creates the folder and the missing folders above it; on Linux each new folder is flushed
// into its parent, and links on the way are followed as ReplaceFile follows them.
bool MakeFolder(const QString& path);

// Writes `data` to a new temporary file beside the target, flushes it to disk, renames it over
// the target and flushes the folder. False, with nothing changed, when any step fails (a full
// disk included) or when the save is refused; a refusal is explained in one line on standard
// error. Refused: a name taken by anything but a regular file; a file without any write bit
// (even for root) or one the user may not write; a file with other hard links (a rename would
// part them, writing in place could tear it). A symbolic link is followed, and stays a link,
// only when it belongs to the user or to root and leads to a regular file; so is any link in
// the folders above. The new file keeps the old one's mode, and its owner where the process
// may set it.
//
// The temporary file is named "<target>.save-<random>", created exclusively, so copies of the
// program that share the folder (even with the same process id) never share one. Such files an
// hour old are leftovers of an interrupted save and are removed by the next save.
bool ReplaceFile(const QString& path, const QByteArray& data);

}  // namespace marnelok
