// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document. Looking beyond the working directory lets help open however
// the program was started (from a menu, a shortcut or another folder).
#include "help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "desktop.h"

namespace marnelok {

QString HelpDocument(const QString& workingDir, const QString& executableDir) {
  const QString name = QString::fromLatin1(kHelpDocumentName);
  if (QFileInfo(QDir(workingDir), name).isFile()) return name;

  if (!executableDir.isEmpty()) {
    const QDir exe(executableDir);
    for (const QString& candidate :
         {exe.filePath(name), exe.filePath(QStringLiteral("../share/marnelok/") + name)}) {
      const QFileInfo info(candidate);
      if (info.isFile()) return QDir::cleanPath(info.absoluteFilePath());
    }
  }
  return name;
}

void OpenHelp(Desktop& desktop) {
  const QString executableDir =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
  desktop.ShellOpen(HelpDocument(QDir::currentPath(), executableDir), QString(), QString(), 5);
}

}  // namespace marnelok
