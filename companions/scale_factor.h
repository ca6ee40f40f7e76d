// SPDX-License-Identifier: GPL-3.0-or-later
// The scale factors a user can give Qt through the environment, checked before Qt reads them.
#pragma once

#include <QString>

namespace marnelok {

// Removes QT_SCALE_FACTOR, and QT_SCREEN_SCALE_FACTORS, from the environment when a factor in
// them is not a number from 0.25 to 8: Qt would crash on a negative one, divide by zero, or
// ask for images of many gigabytes. Returns one line saying what was ignored, or nothing when
// the environment was left as it was. Must run before the application object is made.
QString IgnoreAbsurdScaleFactors();

}  // namespace marnelok
