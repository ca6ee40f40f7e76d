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

// The reason of a refusal in the player's language; the system's own reason as it gives it.
QString Reason(const FileCheck& check) {
  switch (check.why) {
    case FileCheck::Why::kNone:
      return {};
    case FileCheck::Why::kForeignLink:
      //: A reason, shown in brackets or after a colon; %1 is a file's or a folder's name.
      return QCoreApplication::translate("HistoryFile", "the link \"%1\" belongs to another user")
          .arg(check.subject);
    case FileCheck::Why::kNotRegular:
      //: A reason, shown in brackets or after a colon; %1 is a file's or a folder's name.
      return QCoreApplication::translate("HistoryFile", "\"%1\" is not a regular file")
          .arg(check.subject);
    case FileCheck::Why::kOtherNames:
      //: A reason, shown in brackets or after a colon; %1 is a file's or a folder's name.
      return QCoreApplication::translate("HistoryFile", "\"%1\" has other names (hard links)")
          .arg(check.subject);
    case FileCheck::Why::kSystem:
      break;
  }
  return check.refusal;
}

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

QString RefusalToWrite(const QString& path, QString* checked) {
  const FileCheck file = CheckFileToWrite(path);
  if (checked != nullptr) *checked = file.path;
  return Reason(file);
}

QString CheckedHistoryFile(const QString& path, QString& refusal) {
  const QString folder = QFileInfo(path).absolutePath();
  refusal = Reason(MakeFolders(folder));
  if (!refusal.isEmpty()) {
    refusal = QCoreApplication::translate("HistoryDatabase", "the folder %1 cannot be made")
                  .arg(QDir::toNativeSeparators(folder)) +
              QStringLiteral(": ") + refusal;
    return {};
  }
  QString checked;
  refusal = RefusalToWrite(path, &checked);
  for (const QString& companion : kCompanions)
    if (refusal.isEmpty()) refusal = RefusalToWrite(checked + companion);
  return refusal.isEmpty() ? checked : QString();
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
