// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a small file's contents as one step: the file holds the old contents or the new,
// never a mix, never an empty file, and a write that fails leaves it as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace marnelok {

// Writes `data` to a temporary file beside the target, flushes it to disk and renames it over
// the target. False, with nothing changed, when any step fails (a full disk included) or when
// the name is taken by anything but a regular file. A symbolic link to a regular file is
// written through and stays a link; a link to anything else is refused.
//
// The temporary file is named "<target>.save-<process id>". Such files whose process has
// ended are leftovers of an interrupted save and are removed by the next save.
bool ReplaceFile(const QString& path, const QByteArray& data);

}  // namespace marnelok
