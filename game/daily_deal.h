// SPDX-License-Identifier: GPL-3.0-or-later
// The daily deal: one deal number for each calendar date, the same for every player.
#pragma once

#include <cstdint>
#include <optional>

namespace marnelok {

// The deal of a date: the days from 2000-01-01 to the date (negative before it), taken as an
// unsigned 32-bit number, exclusive-or 0x4D41524E, then mixed by the 32-bit finaliser below:
//   x ^= x >> 16; x *= 0x85EBCA6B; x ^= x >> 13; x *= 0xC2B2AE35; x ^= x >> 16;
// (all arithmetic modulo 2^32). Nothing for a date that does not exist, such as 2023-02-29.
std::optional<std::uint32_t> DailyDealNumber(int year, int month, int day);

// The same from the days since 2000-01-01.
std::uint32_t DailyDealOfDay(std::int64_t daysSince2000);

}  // namespace marnelok
