// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the statistics from the history's summaries, in one snapshot.
#pragma once

#include <QDate>
#include <QSqlDatabase>

#include "statistics.h"

namespace marnelok::history {

// The figures, the two charts' data and the `recentGames` newest games; the daily figures as
// they stand on `today`. Summaries that a deletion or a change emptied are counted afresh
// first, which writes to the file.
StatisticsResult ReadStatistics(const QSqlDatabase& db, int recentGames,
                                const QDate& today = QDate::currentDate());

}  // namespace marnelok::history
