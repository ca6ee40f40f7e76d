// SPDX-License-Identifier: GPL-3.0-or-later
// Where the history of games is kept.
#pragma once

#include <QString>

namespace marnelok::history {

// Linux and others: $XDG_DATA_HOME/Marnelok/history.sqlite, where an unset, empty or relative
// XDG_DATA_HOME (the XDG rules call a relative value invalid), or one whose bytes do not survive
// the round trip to a file name (bytes that are not UTF-8 in a UTF-8 locale), means
// ~/.local/share. Windows: the user's application data folder.
QString HistoryFile();

}  // namespace marnelok::history
