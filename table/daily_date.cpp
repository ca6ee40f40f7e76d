// SPDX-License-Identifier: GPL-3.0-or-later
// Dates and the daily deal.
#include "daily_date.h"

#include "daily_deal.h"

namespace marnelok {

QDate DateOfDay(int dayNumber) { return QDate(1899, 12, 30).addDays(dayNumber); }

std::uint32_t DailyDealOn(const QDate& date) {
  return DailyDealOfDay(QDate(2000, 1, 1).daysTo(date));
}

}  // namespace marnelok
