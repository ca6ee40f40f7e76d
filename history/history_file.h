// SPDX-License-Identifier: GPL-3.0-or-later
// Where the history of games is kept, and the checks of that place before it is used.
#pragma once

#include <QString>

namespace marnelok::history {

// Linux and others: $XDG_DATA_HOME/Marnelok/history.sqlite, where an unset, empty or relative
// XDG_DATA_HOME (the XDG rules call a relative value invalid), or one whose bytes do not survive
// the round trip to a file name (bytes that are not UTF-8 in a UTF-8 locale), means
// ~/.local/share. Windows: the user's application data folder.
QString HistoryFile();

// Readies the history at `path` to be opened by name: makes its folder, and checks the file
// and its companions (-wal, -shm) as the settings record's save checks the record: reached
// only through the player's or root's links, regular files with no other names, or nothing
// yet. Gives the path to open (the folder as the system names it, without links), or sets
// `refusal` to why the history may not be used.
QString CheckedHistoryFile(const QString& path, QString& refusal);

// Why the file at `path` may not be written through, in the player's language, or an empty
// text when it may: another user's link on the way or at the end, anything but a regular file,
// a file with other names. `checked`, when given, gets the path to hand on, without links.
QString RefusalToWrite(const QString& path, QString* checked = nullptr);

// Whether `target` names the history at `history` or one of its companions: the same file, or
// the same name in the same folder, whatever the path says.
bool IsHistoryFile(const QString& target, const QString& history);

}  // namespace marnelok::history
