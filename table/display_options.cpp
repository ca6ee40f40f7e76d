// SPDX-License-Identifier: GPL-3.0-or-later
// The display options' card sizes.
#include "display_options.h"

namespace marnelok {

QSize DisplayOptions::UseCards(bool large) {
  geometry_ = large ? kLargeCards : kRegularCards;
  look_.cardBack = large ? &images_.largeBack : &images_.regularBack;
  return large ? QSize(745, 625) : QSize(660, 500);
}

}  // namespace marnelok
