// SPDX-License-Identifier: GPL-3.0-or-later
// The history file's place.
#include "history_file.h"

#include <QDir>
#include <QStandardPaths>

namespace marnelok::history {

QString HistoryFile() {
  const QString name = QStringLiteral("/history.sqlite");
#ifdef Q_OS_WIN
  // The roaming application data folder; without an organisation name it ends in \Marnelok.
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + name;
#else
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir::homePath() + QStringLiteral("/.local/share");
  return base + QStringLiteral("/Marnelok") + name;
#endif
}

}  // namespace marnelok::history
