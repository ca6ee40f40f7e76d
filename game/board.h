// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of the grid: completeness, scoring and the win rule.
#pragma once

#include "game_state.h"

namespace marnelok {

// True when all five cells of board column c (2 to 6) hold cards.
bool ColumnComplete(const GameState& s, int column);
// True when all five grid cells of row r (1 to 5) hold cards.
bool RowComplete(const GameState& s, int row);

// Recomputes the ten line results and the total from the board; nothing is cached.
void ComputeLineResults(GameState& s);

// Every line result to (0, 0) and the total to 0.
void ResetScores(GameState& s);

// The state before the first game: every cell void but the deck position.
void ClearBoard(GameState& s);

constexpr bool IsWin(int totalScore) { return totalScore >= kWinningScore; }

}  // namespace marnelok
