// SPDX-License-Identifier: GPL-3.0-or-later
// The donation state's INI file, read and written through a private copy.
//
// Qt's own INI writer can leave the file empty on a full disk and still report success, and
// its per-process cache can serve old text for a file rewritten within the same clock tick.
// So QSettings only ever sees a copy in a private temporary folder; the file itself is read
// as plain bytes and replaced in one step (ReplaceFile) once the new text has been checked.
#pragma once

#include <QString>
#include <functional>

class QSettings;

namespace marnelok {

// Runs `read` over the file's settings when there are any: a missing or empty file, or
// anything but a regular file, holds none. False when the file is there but cannot be read.
bool ReadIniFile(const QString& path, const std::function<void(const QSettings&)>& read);

// Runs `update` over the file's settings and stores the result, keeping every other section.
// A file with lines that cannot be read (a hand edit, junk) is first copied to "<path>.bak";
// its readable sections and keys are kept, the rest (lines without "=", keys whose name or
// value is not text) is dropped. False, with the file left
// exactly as it was, when it cannot be read (or is over 16 MiB) or the new text (or the copy)
// cannot be written whole.
bool UpdateIniFile(const QString& path, const std::function<void(QSettings&)>& update);

}  // namespace marnelok
