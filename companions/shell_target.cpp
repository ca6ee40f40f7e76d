// SPDX-License-Identifier: GPL-3.0-or-later
// Documents handed to the shell, mapped to URLs.
#include "shell_target.h"

#include <QDir>
#include <QFileInfo>

namespace marnelok {

QUrl ShellTarget(const QString& document, const QString& directory) {
  if (document.isEmpty()) return {};
  const QUrl asUrl(document, QUrl::StrictMode);
  // A one-letter scheme is a Windows drive ("C:\..."), not an address.
  if (asUrl.isValid() && asUrl.scheme().size() > 1) return asUrl;

  const QDir base(directory.isEmpty() ? QDir::currentPath() : directory);
  return QUrl::fromLocalFile(QFileInfo(base, document).absoluteFilePath());
}

}  // namespace marnelok
