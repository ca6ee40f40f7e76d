// SPDX-License-Identifier: GPL-3.0-or-later
// Where the history of games is kept.
#pragma once

#include <QString>

namespace marnelok::history {

// Linux and others: $XDG_DATA_HOME/Marnelok/history.sqlite, where an unset, empty or relative
// XDG_DATA_HOME means ~/.local/share (the XDG rules call a relative value invalid). Windows:
// the user's application data folder.
QString HistoryFile();

}  // namespace marnelok::history
