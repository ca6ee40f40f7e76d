// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the statistics module the first time the Statistics window opens.
#pragma once

#include <QString>
#include <QStringList>

#include "statistics_factory.h"

namespace marnelok {

// Where the module may be, in the order tried: beside the program (the build tree, Windows)
// and, on Linux, in lib/games/marnelok/ below the installation's prefix.
QStringList StatisticsModuleCandidates(const QString& executableDir);

// The module's factory, loaded once and kept for the rest of the run; nullptr when it cannot
// be loaded, with the reason in `error`.
StatisticsWindowFactory* LoadStatisticsModule(const QStringList& candidates, QString* error);

}  // namespace marnelok
