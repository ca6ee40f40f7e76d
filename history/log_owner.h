// SPDX-License-Identifier: GPL-3.0-or-later
// Whose database a file and its write-ahead log belong to, read from the files themselves
// before SQLite opens them (and before it could copy a log into the wrong file).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace marnelok::history {

// The application id in an SQLite database file's header; none when the file is absent,
// empty or not an SQLite database.
std::optional<std::uint32_t> FileApplicationId(const QString& path);

// The application id in the newest committed copy of the first page in the write-ahead log
// `path`, as SQLite would read it back; none when the log holds no such copy (an absent,
// empty or damaged log, or one whose transactions left the first page alone).
std::optional<std::uint32_t> LogApplicationId(const QString& path);

}  // namespace marnelok::history
