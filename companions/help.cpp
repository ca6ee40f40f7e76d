// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document. Looking beyond the working directory lets help open however
// the program was started (from a menu, a shortcut or another folder).
#include "help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "desktop.h"
#include "language.h"

namespace marnelok {

namespace {

// The document called `name` in the working directory or beside the program; empty if none.
QString Find(const QString& name, const QString& workingDir, const QString& executableDir) {
  if (QFileInfo(QDir(workingDir), name).isFile()) return name;
  if (!executableDir.isEmpty()) {
    const QDir exe(executableDir);
    for (const QString& candidate :
         {exe.filePath(name), exe.filePath(QStringLiteral("../share/marnelok/") + name)}) {
      const QFileInfo info(candidate);
      if (info.isFile()) return QDir::cleanPath(info.absoluteFilePath());
    }
  }
  return {};
}

}  // namespace

QString HelpDocument(const QString& workingDir, const QString& executableDir,
                     const QString& language) {
  const QString name = QString::fromLatin1(kHelpDocumentName);
  if (!language.isEmpty()) {
    // "Marnelok.html" becomes "Marnelok.de.html".
    const QString translated = Find(name.chopped(5) + u'.' + language + QStringLiteral(".html"),
                                    workingDir, executableDir);
    if (!translated.isEmpty()) return translated;
  }
  const QString english = Find(name, workingDir, executableDir);
  return english.isEmpty() ? name : english;
}

void OpenHelp(Desktop& desktop) {
  const QString executableDir =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
  desktop.ShellOpen(HelpDocument(QDir::currentPath(), executableDir, LanguageInUse()), QString(),
                    QString(), 5);
}

}  // namespace marnelok
