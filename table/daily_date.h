// SPDX-License-Identifier: GPL-3.0-or-later
// The daily deal of a date as the window knows dates.
#pragma once

#include <QDate>
#include <cstdint>

namespace marnelok {

// The date of a day number as the desktop gives today (whole days since 1899-12-30).
QDate DateOfDay(int dayNumber);
// The daily deal's number on `date`.
std::uint32_t DailyDealOn(const QDate& date);

}  // namespace marnelok
