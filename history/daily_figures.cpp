// SPDX-License-Identifier: GPL-3.0-or-later
// The daily figures from the days played.
#include <algorithm>

#include "statistics.h"

namespace marnelok::history {

// A run is a row of dates, each with a finished game. Today not yet finished leaves the run
// that ended yesterday standing.
DailyFigures DailyFiguresOf(const std::vector<DailyDay>& days, const QDate& today) {
  DailyFigures f;
  f.daysPlayed = static_cast<std::int64_t>(days.size());
  std::int64_t run = 0;
  QDate runEnd;
  for (const DailyDay& day : days) {
    if (day.date == today) f.today = day;
    if (!day.total) continue;
    f.bestTotal = std::max(f.bestTotal.value_or(*day.total), *day.total);
    run = runEnd.isValid() && runEnd.addDays(1) == day.date ? run + 1 : 1;
    runEnd = day.date;
    f.longestRun = std::max(f.longestRun, run);
  }
  if (runEnd.isValid() && (runEnd == today || runEnd == today.addDays(-1))) f.currentRun = run;
  return f;
}

}  // namespace marnelok::history
