// SPDX-License-Identifier: GPL-3.0-or-later
// The history's schema, its versions (PRAGMA user_version) and the steps between them.
#pragma once

#include <QSqlDatabase>
#include <cstdint>
#include <optional>

#include "sql_batch.h"

namespace marnelok::history {

// 1: games (with the ten lines' hands) and placements.
// 2: the placements' review columns, and the summaries that the statistics read.
// 3: each game's par and the date of a daily deal.
// 4: rows that no game can make count nowhere; Marnelok's application id.
inline constexpr int kSchemaVersion = 4;

// PRAGMA application_id of a history: "MRNL".
inline constexpr std::uint32_t kApplicationId = 0x4D524E4C;

// Brings the file to version `target` in one write transaction, taken only when the file is not
// at that version already, from whatever version it has
// (0 for a new, empty file). A file from a newer program is left alone and reported. Only
// tests pass a target below kSchemaVersion, to make files of an older version.
std::optional<SqlFault> MigrateSchema(const QSqlDatabase& db, int target = kSchemaVersion);

// The condition on the games that count in the figures: no demo, and nothing a game cannot
// make.
QString CountedGames();

// Counts the summaries afresh from the games; part of a write transaction.
void RebuildSummaries(SqlBatch& batch);

// Empties the history: every game, its placements and the summaries; in one transaction.
std::optional<SqlFault> EraseHistory(const QSqlDatabase& db);

}  // namespace marnelok::history
