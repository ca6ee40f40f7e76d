// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one kept game back from the history, with the reviews of its placements.
#pragma once

#include <QSqlDatabase>
#include <optional>

#include "game_record.h"
#include "sql_batch.h"

namespace marnelok::history {

// Game `id`, or the newest finished game for kNewestFinished, in one snapshot; the reading's
// game has id 0 when there is no such game.
GameReading ReadGame(const QSqlDatabase& db, std::int64_t id);

// Whether a finished game is kept; nullopt when the file cannot be read.
std::optional<bool> HasFinishedGame(const QSqlDatabase& db);

// The reviews of game `id`'s placements, by turn, in one transaction; placements without a
// review are left as they are.
std::optional<SqlFault> WriteReview(const QSqlDatabase& db, std::int64_t id,
                                    const std::vector<PlacementRecord>& placements);

// Stores the par of a deal in every kept game of that deal and kind that has none.
std::optional<SqlFault> WritePar(const QSqlDatabase& db, const DealOfKind& deal, int par);

// Up to `limit` deals of kept games without a par, those played last first; none when the
// file cannot be read.
std::vector<DealOfKind> DealsWithoutPar(const QSqlDatabase& db, int limit);

}  // namespace marnelok::history
