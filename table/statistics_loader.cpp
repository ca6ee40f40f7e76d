// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the statistics module.
#include "statistics_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <memory>
#include <vector>

namespace marnelok {

QStringList StatisticsModuleCandidates(const QString& executableDir) {
  const QDir exe(executableDir);
  const QString name = QStringLiteral(MARNELOK_STATISTICS_MODULE);
  QStringList candidates{exe.filePath(name)};
  // Where the installation keeps the module beside the program (Windows), that is the only
  // place: never the root of the drive.
  const QString installed = QStringLiteral(MARNELOK_STATISTICS_MODULE_DIR);
  if (!installed.isEmpty()) candidates << QDir::cleanPath(exe.filePath(installed + '/' + name));
  return candidates;
}

StatisticsWindowFactory* LoadStatisticsModule(const QStringList& candidates, QString* error) {
  // Kept, and the module never unloaded: the windows it made use its code until the end.
  static std::vector<std::unique_ptr<QPluginLoader>> loaders;
  QStringList reasons;
  for (const QString& path : candidates) {
    if (!QFileInfo(path).isFile()) continue;
    auto loader = std::make_unique<QPluginLoader>(path);
    if (auto* factory = qobject_cast<StatisticsWindowFactory*>(loader->instance())) {
      loaders.push_back(std::move(loader));
      return factory;
    }
    reasons << loader->errorString();
  }
  if (error != nullptr)
    *error = reasons.isEmpty()
                 ? QCoreApplication::translate("StatisticsCommand", "%1 was not found in %2")
                       .arg(QStringLiteral(MARNELOK_STATISTICS_MODULE),
                            QDir::toNativeSeparators(candidates.join(QStringLiteral(", "))))
                 : reasons.join(QStringLiteral("; "));
  return nullptr;
}

}  // namespace marnelok
