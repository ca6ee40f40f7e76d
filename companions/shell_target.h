// SPDX-License-Identifier: GPL-3.0-or-later
// How a document handed to the shell becomes the URL that the desktop opens: web addresses
// pass as they are, file names become file URLs of their absolute paths.
#pragma once

#include <QString>
#include <QUrl>

namespace marnelok {

// `directory` is the folder against which a relative file name is resolved; empty means the
// process's current directory. An empty document gives an empty (invalid) URL.
QUrl ShellTarget(const QString& document, const QString& directory);

}  // namespace marnelok
