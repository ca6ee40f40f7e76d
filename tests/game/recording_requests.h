// SPDX-License-Identifier: GPL-3.0-or-later
// A table window stand-in that records every request of the rules, in order.
#pragma once

#include <string>
#include <vector>

#include "game_state.h"
#include "table_requests.h"

namespace marnelok::testing {

class RecordingRequests : public NullTableRequests {
 public:
  std::vector<std::string> calls;
  bool undoEnabled = false;
  bool cardCurrent = false;
  int beeps = 0;
  bool saveFails = false;           // the high-score check reports a failed save
  const GameState* game = nullptr;  // when set, each panel notes whether a game was active
  // The number of calls before each report of a finished game.
  std::vector<std::size_t> finishedAfter;

  void DrawCell(int code, int column, int row) override {
    calls.push_back("cell " + std::to_string(code) + " " + std::to_string(column) + "," +
                    std::to_string(row));
  }
  // Between games the panel ends with the banner, so it matters which it was.
  void DrawScorePanel() override {
    calls.push_back(game != nullptr && !game->gameActive ? "panel idle" : "panel");
  }
  void DrawWinBanner() override { calls.push_back("banner"); }
  bool CheckHighScore() override {
    calls.push_back("highscore");
    return !saveFails;
  }
  void InvalidateTable() override { calls.push_back("invalidate"); }
  void SetUndoEnabled(bool enabled) override {
    undoEnabled = enabled;
    calls.push_back(enabled ? "undo on" : "undo off");
  }
  void Beep() override {
    ++beeps;
    calls.push_back("beep");
  }
  void GameChanging() override { calls.push_back("changing"); }
  void CardCurrent(bool current) override {
    cardCurrent = current;
    calls.push_back(current ? "card on" : "card off");
  }
  void GameFinished() override { finishedAfter.push_back(calls.size()); }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }
  // Where the first such call came, or -1.
  int Index(const std::string& call) const {
    for (std::size_t i = 0; i < calls.size(); ++i)
      if (calls[i] == call) return static_cast<int>(i);
    return -1;
  }
  // The window heard of the change before anything of it was drawn.
  bool ToldBeforeDrawing() const {
    for (const auto& c : calls) {
      if (c == "changing") return true;
      if (c.starts_with("cell") || c.starts_with("panel") || c == "banner" || c == "invalidate")
        return false;
    }
    return false;
  }
};

}  // namespace marnelok::testing
