// SPDX-License-Identifier: GPL-3.0-or-later
// The figures that the Statistics window shows, as plain values.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game_kind.h"
#include "hand.h"

namespace marnelok::history {

inline constexpr int kHandClasses = kHandClassCount;  // None (0) to Royal Flush (9)
inline constexpr int kHistogramBin = 10;              // points per bar of the totals' histogram
inline constexpr int kMeanOfLast = 20;                // games per point of the chart of the mean

// Figures over the games of one kind, or of both. Totals count finished games only; a game
// left early counts as played, and ends a run of wins. Demo games count nowhere.
struct KindFigures {
  std::int64_t played = 0;
  std::int64_t finished = 0;
  std::int64_t won = 0;
  std::int64_t withHints = 0;  // games in which the Hint command was used
  double mean = 0;
  double median = 0;
  int best = 0;
  int worst = 0;
  std::int64_t currentRun = 0;  // wins in a row up to the latest game
  std::int64_t longestRun = 0;
  std::array<std::int64_t, kHandClasses> hands{};  // lines of finished games, by hand class

  std::int64_t lines() const { return finished * 10; }
  double ShareWon() const { return finished > 0 ? double(won) / double(finished) : 0.0; }
  double ShareOfLines(int hand) const {
    return finished > 0 ? double(hands[static_cast<std::size_t>(hand)]) / double(lines()) : 0.0;
  }
};

// One line of the list of recent games.
struct RecentGame {
  std::int64_t id = 0;
  QDateTime endedAt;  // UTC
  std::uint32_t deal = 0;
  GameKind kind = GameKind::kRegular;
  int total = 0;
  bool won = false;
  bool finished = false;
  int hints = 0;
  bool demo = false;
  std::optional<int> par;  // none until worked out
  bool daily = false;      // a daily deal
};

// Finished games against the advisor's total on their deal, over the games whose par is known.
struct ParFigures {
  std::int64_t compared = 0;   // finished games with a par
  std::int64_t atOrAbove = 0;  // of those, games whose total reached par
  double meanAgainst = 0;      // the mean of total minus par
  int bestAgainst = 0;         // the highest total minus par
};

// One date on which a daily deal was played: the first finished game of the date is the day's
// result; a game replayed later that day does not count.
struct DailyDay {
  QDate date;
  std::optional<int> total;  // none when no game of the date was finished
  std::optional<int> par;    // the par of the day's deal, once known
};

struct DailyFigures {
  std::int64_t daysPlayed = 0;   // dates with a daily game, finished or not
  std::int64_t currentRun = 0;   // finished days in a row up to today, or up to yesterday
  std::int64_t longestRun = 0;   // while today's is yet to be finished
  std::optional<int> bestTotal;  // the best day's result
  std::optional<DailyDay> today;
};

// The daily figures of `days`, in date order, as they stand on `today`.
DailyFigures DailyFiguresOf(const std::vector<DailyDay>& days, const QDate& today);

// The mean total of the last kMeanOfLast finished games, as it stood after game `game`.
struct MeanPoint {
  std::int64_t game = 0;  // the games table's id
  double mean = 0;
};

struct Statistics {
  KindFigures all, regular, throwDown;
  std::vector<std::int64_t> histogram;  // finished games of both kinds by total / kHistogramBin
  std::vector<MeanPoint> means;         // at most kMeanPoints, oldest first
  std::vector<RecentGame> recent;       // newest first
  ParFigures par;
  DailyFigures daily;
  // Rows of games and placements holding what no game can make (written by hand): they count
  // in no figure, chart or list.
  std::int64_t ignoredRows = 0;
};

inline constexpr int kMeanPoints = 400;
inline constexpr int kRecentGames = 500;  // lines in the Statistics window's list  // enough for a
                                          // chart, few enough to read at once

// A hand class's name as the score panel shows it, without the padding.
inline QString HandName(int hand) {
  return QString::fromLatin1(kHandTable[static_cast<std::size_t>(hand)].name).trimmed();
}

// What a reading of the history gives back: the figures, or why there are none.
struct StatisticsResult {
  Statistics statistics;
  QString error;  // empty when the figures were read
};

}  // namespace marnelok::history
