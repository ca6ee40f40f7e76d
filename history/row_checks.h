// SPDX-License-Identifier: GPL-3.0-or-later
// What a game can make: SQL conditions that hold for every row the program writes and for no row
// that only a hand edit can make. Rows that fail them count in no figure, chart or review.
#pragma once

#include <QString>

namespace marnelok::history {

// The highest total of a game: ten lines of a Royal Flush.
inline constexpr int kHighestTotal = 1000;

// True for a row of `games` that a game can make. `table` qualifies the columns ("NEW." in a
// trigger).
QString SoundGame(const QString& table = {});

// The ids of the games that no game can make. The partial index games_ignored holds exactly
// these rows: SQLite's planner uses it for this query because the query's condition is the
// same text as the index's, so a change to SoundGame needs the index made again.
QString IgnoredGames();

// True when the game of id `column` is one a game can make: a lookup in IgnoredGames, which
// SQLite makes once per statement, so that the queries keep their covering indexes.
QString SoundGameId(const QString& column = QStringLiteral("id"));

// True for a row of `placements` that a game and its review can make.
QString SoundPlacement(const QString& table = {});

// The placements that no game or review can make, through the partial index
// placements_ignored, as IgnoredGames.
QString IgnoredPlacements();

// True for a placement whose review columns are all set and within what a review makes.
QString SoundReview(const QString& table = {});

}  // namespace marnelok::history
