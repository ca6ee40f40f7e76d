// SPDX-License-Identifier: GPL-3.0-or-later
// The deal of a date.
#include "daily_deal.h"

#include <chrono>

namespace marnelok {

std::uint32_t DailyDealOfDay(std::int64_t daysSince2000) {
  std::uint32_t x = static_cast<std::uint32_t>(daysSince2000) ^ 0x4D41524Eu;
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

std::optional<std::uint32_t> DailyDealNumber(int year, int month, int day) {
  using namespace std::chrono;
  if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  const year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                            std::chrono::day{unsigned(day)}};
  if (!date.ok()) return std::nullopt;
  constexpr sys_days kDayZero{std::chrono::year{2000} / January / 1};
  return DailyDealOfDay((sys_days{date} - kDayZero).count());
}

}  // namespace marnelok
