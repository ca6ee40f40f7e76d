// SPDX-License-Identifier: GPL-3.0-or-later
// One game as the history keeps it: its deal, its outcome and every card in the order it
// reached the grid.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game_state.h"

namespace marnelok::history {

inline constexpr int kLines = 10;   // rows 1 to 5, then the grid's columns 1 to 5
inline constexpr int kNoHand = -1;  // the hand of a line that is not complete

// A review's verdict on one placement of the player's, judged from what the player saw then.
struct PlacementReview {
  int bestCell = 0;           // the cell the advisor judged best, numbered as `cell` below
  double expectedChosen = 0;  // expected final total after the card placed where it went
  double expectedBest = 0;    // the same after the card placed at bestCell
  friend bool operator==(const PlacementReview&, const PlacementReview&) = default;
};

struct PlacementRecord {
  int turn = 0;  // 1 to 25, in the order the cards reached the grid
  int card = 0;  // the card code, 1 to 52
  int cell = 0;  // (row - 1) * 5 + (column - 1), the grid's own columns counted from 1
  bool thrown = false;
  std::optional<PlacementReview> review;  // none until reviewed, and never for a thrown card
  friend bool operator==(const PlacementRecord&, const PlacementRecord&) = default;
};

struct GameRecord {
  std::int64_t id = 0;  // the games table's id once written; 0 before
  QDateTime startedAt;  // UTC
  QDateTime endedAt;    // the 25th placement, or the moment the game was left
  std::uint32_t deal = 0;
  GameKind kind = GameKind::kRegular;
  int total = 0;
  bool finished = false;
  int hints = 0;
  bool demo = false;
  QString player;  // the name entered at the Top 5 prompt; null when none was asked
  // Hand class of each line, rows first; kNoHand while the line is not complete.
  std::array<int, kLines> hands{};
  std::vector<PlacementRecord> placements;
  std::optional<int> par;  // the advisor's total on the same deal; none until worked out
  QDate daily;             // the date of a daily deal; null for any other game

  bool won() const { return finished && total >= kWinningScore; }
};

// A deal and its kind: what par depends on.
struct DealOfKind {
  std::uint32_t deal = 0;
  GameKind kind = GameKind::kRegular;
  friend bool operator==(const DealOfKind&, const DealOfKind&) = default;
};

// A reading of one kept game: the game, none (id 0), or why it could not be read.
struct GameReading {
  GameRecord game;
  QString error;  // empty when the history could be read
};

// Asks ReadGame for the newest finished game rather than a game by its id.
inline constexpr std::int64_t kNewestFinished = 0;

// The game on the table as the history keeps it; the caller adds the times, the hints, the
// player and whether it was a demo. The total and the hands are those of the board itself,
// so that a game left early counts the lines it had completed.
GameRecord RecordOfGame(const GameState& s);

// Whether the game on the table is worth keeping: the player placed at least one card.
bool GameWorthKeeping(const GameState& s);

// The kind's name as the games table keeps it, and the kind of a kept name. The table's check
// admits no other name; one that got in anyway reads as the throw-down.
inline QString KindText(GameKind kind) {
  const std::string_view name = KindName(kind);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
inline GameKind KindOfText(const QString& text) {
  return KindNamed(text.toStdString()).value_or(GameKind::kThrowDown);
}

}  // namespace marnelok::history
