// SPDX-License-Identifier: GPL-3.0-or-later
// The donation choices and when each brings the dialog back at a close of the main window.
#pragma once

#include <cstdint>

namespace marnelok {

// The donation status is the index of the dialog's choice.
enum DonateStatus : int {
  kDonateNow = 0,          // opens the donation page; asked again at every close
  kDonateInTwoWeeks = 1,   // asked again after 14 days
  kDonateAlreadyDone = 2,  // never asked again
  kDonateNever = 3,        // never asked again
  kDonateTomorrow = 4,     // asked again after a day; also the status of a new user
};

// Brings any stored number into 0..4: -1 (nothing stored) and anything above 4 mean
// "tomorrow"; any other negative number means "now".
constexpr int ClampDonateStatus(int status) {
  if (status == -1 || status > kDonateTomorrow) return kDonateTomorrow;
  if (status < 0) return kDonateNow;
  return status;
}

// Days from `from` to `to`, exact for any two stored 32-bit day numbers: a prompt dated far in
// the past is long overdue, not a wrapped-around negative count.
constexpr std::int64_t DaysBetween(int from, int to) {
  return static_cast<std::int64_t>(to) - static_cast<std::int64_t>(from);
}

// Whether a close of the main window shows the dialog, `days` after the last prompt (negative
// when the clock was set back).
constexpr bool DonationDue(int status, std::int64_t days) {
  switch (status) {
    case kDonateNow:
      return true;
    case kDonateInTwoWeeks:
      return days >= 14;
    case kDonateTomorrow:
      return days >= 1;
    default:
      return false;
  }
}

}  // namespace marnelok
