// SPDX-License-Identifier: GPL-3.0-or-later
// The user's configuration folder, where both of the program's stores live.
#pragma once

#include <QString>

namespace marnelok {

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or relative (the XDG rules call a
// relative value invalid) or when its bytes do not survive the round trip to a file name (as
// bytes that are not UTF-8 in a UTF-8 locale do not). The settings record and the donation
// state must agree.
QString ConfigHome();

}  // namespace marnelok
