// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers: whole days counted from 30 December 1899 (day 0).
#include "day_number.h"

#include <QDate>

namespace marnelok {

int DayNumber(const QDate& date) {
  if (!date.isValid()) return 0;
  static const QDate kDayZero(1899, 12, 30);
  return static_cast<int>(kDayZero.daysTo(date));
}

}  // namespace marnelok
