// SPDX-License-Identifier: GPL-3.0-or-later
// The user's configuration folder.
#include "config_home.h"

#include <QDir>

namespace marnelok {

QString ConfigHome() {
  const QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    return QDir::homePath() + QStringLiteral("/.config");
  return base;
}

}  // namespace marnelok
