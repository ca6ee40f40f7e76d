// SPDX-License-Identifier: GPL-3.0-or-later
// What the game rules ask of the table window: drawing, the Undo command's state, the Top 5
// check and the beep. The rules only report plain facts; the window decides what to show.
#pragma once

namespace marnelok {

class TableRequests {
 public:
  virtual ~TableRequests() = default;

  virtual void DrawCell(int code, int column, int row) = 0;  // draw one board cell now
  virtual void DrawScorePanel() = 0;  // redraw the panel text; ends with the banner between games
  virtual void DrawWinBanner() = 0;   // the WIN band, when the total is 150 or more
  // Offers the total to the Top 5 list, saves the record and redraws the board. False when
  // the save failed: the window has told the player, and the event ends there.
  virtual bool CheckHighScore() = 0;
  virtual void InvalidateTable() = 0;  // schedule a full repaint
  virtual void SetUndoEnabled(bool enabled) = 0;
  virtual void Beep() = 0;
};

// Answers every request by doing nothing, so that the rules can play without a window.
class NullTableRequests : public TableRequests {
 public:
  void DrawCell(int, int, int) override {}
  void DrawScorePanel() override {}
  void DrawWinBanner() override {}
  bool CheckHighScore() override { return true; }
  void InvalidateTable() override {}
  void SetUndoEnabled(bool) override {}
  void Beep() override {}
};

}  // namespace marnelok
