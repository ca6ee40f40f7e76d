// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the help document. It is looked for where the program lies, so help opens however
// the program was started (from a menu, a shortcut or another folder).
#include "help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "desktop.h"
#include "language.h"

namespace marnelok {

namespace {

const QString kShared = QStringLiteral("../share/marnelok/");

// The document called `name` beside the program or in its shared folder; empty if none.
QString Find(const QString& name, const QString& executableDir) {
  if (executableDir.isEmpty()) return {};
  const QDir exe(executableDir);
  for (const QString& candidate : {exe.filePath(name), exe.filePath(kShared + name)}) {
    const QFileInfo info(candidate);
    if (info.isFile()) return QDir::cleanPath(info.absoluteFilePath());
  }
  return {};
}

}  // namespace

QString HelpDocument(const QString& executableDir, const QString& language) {
  const QString name = QString::fromLatin1(kHelpDocumentName);
  if (!language.isEmpty()) {
    // "Marnelok.html" becomes "Marnelok.de.html".
    const QString translated =
        Find(name.chopped(5) + u'.' + language + QStringLiteral(".html"), executableDir);
    if (!translated.isEmpty()) return translated;
  }
  const QString english = Find(name, executableDir);
  if (!english.isEmpty()) return english;
    // A name without a folder would be looked for in the working folder.
#ifdef Q_OS_WIN
  const QString installed = name;
#else
  const QString installed = kShared + name;
#endif
  return QDir::cleanPath(QFileInfo(QDir(executableDir), installed).absoluteFilePath());
}

void OpenHelp(Desktop& desktop) {
  const QString executableDir =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
  desktop.ShellOpen(HelpDocument(executableDir, LanguageInUse()), QString(), QString(), 5);
}

}  // namespace marnelok
