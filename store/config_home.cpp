// SPDX-License-Identifier: GPL-3.0-or-later
// The user's configuration folder.
#include "config_home.h"

#include <QDir>
#include <QFile>

namespace marnelok {

QString ConfigHome() {
  const QByteArray raw = qgetenv("XDG_CONFIG_HOME");
  const QString base = QFile::decodeName(raw);
  // A value that is not valid in the file-name encoding would be mangled into another folder.
  if (base.isEmpty() || QDir::isRelativePath(base) || QFile::encodeName(base) != raw)
    return QDir::homePath() + QStringLiteral("/.config");
  return base;
}

}  // namespace marnelok
