// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's two small parts beside the figures: the games against par and the
// daily deal, as lines of text in the system's locale.
#pragma once

#include <QString>

#include "statistics.h"

namespace marnelok::par_daily_texts {

QString AgainstParTitle();
QString DailyTitle();
QString AgainstPar(const history::ParFigures& par);
QString Daily(const history::DailyFigures& daily);

}  // namespace marnelok::par_daily_texts
