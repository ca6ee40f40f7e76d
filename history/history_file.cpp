// SPDX-License-Identifier: GPL-3.0-or-later
// The history file's place.
#include "history_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace marnelok::history {

QString HistoryFile() {
  const QString name = QStringLiteral("/history.sqlite");
#ifdef Q_OS_WIN
  // The roaming application data folder; without an organisation name it ends in \Marnelok.
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + name;
#else
  const QByteArray raw = qgetenv("XDG_DATA_HOME");
  QString base = QFile::decodeName(raw);
  // A value that is not valid in the file-name encoding would be mangled into another folder.
  if (base.isEmpty() || QDir::isRelativePath(base) || QFile::encodeName(base) != raw)
    base = QDir::homePath() + QStringLiteral("/.local/share");
  return base + QStringLiteral("/Marnelok") + name;
#endif
}

}  // namespace marnelok::history
