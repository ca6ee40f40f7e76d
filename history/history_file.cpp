// SPDX-License-Identifier: GPL-3.0-or-later
// The history file's place.
#include "history_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_check.h"

namespace marnelok::history {
namespace {

// The files SQLite keeps beside a database in WAL mode, named after it.
const QString kCompanions[] = {QStringLiteral("-wal"), QStringLiteral("-shm")};

}  // namespace

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

QString CheckedHistoryFile(const QString& path, QString& refusal) {
  const QString folder = QFileInfo(path).absolutePath();
  refusal = MakeFolders(folder);
  if (!refusal.isEmpty()) {
    refusal = QCoreApplication::translate("HistoryDatabase", "the folder %1 cannot be made")
                  .arg(QDir::toNativeSeparators(folder)) +
              QStringLiteral(": ") + refusal;
    return {};
  }
  const FileCheck file = CheckFileToWrite(path);
  refusal = file.refusal;
  for (const QString& companion : kCompanions)
    if (refusal.isEmpty()) refusal = CheckFileToWrite(file.path + companion).refusal;
  return refusal.isEmpty() ? file.path : QString();
}

bool IsHistoryFile(const QString& target, const QString& history) {
  const FileCheck file = CheckFileToWrite(history);
  const FileCheck aimed = CheckFileToWrite(target);
  if (SameFile(aimed, file)) return true;
  for (const QString& companion : kCompanions)
    if (SameFile(aimed, CheckFileToWrite(file.path + companion))) return true;
  return false;
}

}  // namespace marnelok::history
