// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one game into the history.
#pragma once

#include <QSqlDatabase>
#include <optional>

#include "game_record.h"
#include "sql_batch.h"

namespace marnelok::history {

// The game, its placements and its hands in one transaction: all of it is kept, or nothing.
std::optional<SqlFault> WriteGame(const QSqlDatabase& db, const GameRecord& game);

}  // namespace marnelok::history
