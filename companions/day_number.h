// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers: whole days counted from 30 December 1899 (day 0), the form in which the
// donation reminder stores its dates.
#pragma once

class QDate;

namespace marnelok {

// Days from 1899-12-30 to `date`; earlier dates are negative. An invalid date gives 0,
// which the reminder reads as "no date recorded".
int DayNumber(const QDate& date);

}  // namespace marnelok
