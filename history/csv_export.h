// SPDX-License-Identifier: GPL-3.0-or-later
// The history as a CSV file: one row per game, with its ten hands.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace marnelok::history {

// Writes every game, oldest first, to `path` (RFC 4180, UTF-8, a header row). The file is
// replaced only once it is complete. Refused, as the settings record's save refuses them:
// another user's link on the way, a file with other names, anything but a regular file; and
// the history's own file or its companions, however named. A text cell that a spreadsheet
// would run as a formula (=, +, -, @, a tab or a carriage return first) is written with a
// single quote before it. Gives the reason when it could not be written.
std::optional<QString> ExportCsv(const QSqlDatabase& db, const QString& path);

}  // namespace marnelok::history
