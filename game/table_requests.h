// SPDX-License-Identifier: GPL-3.0-or-later
// What the game rules ask of the table window: drawing, the Top 5 check and the beep, and the
// plain facts about the game that the window's commands and helpers follow. The rules only
// report; the window decides what to show.
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
  virtual void Beep() = 0;

  // Facts. A deal, a placement or an undo is about to change the table: comes before the
  // rules draw anything of the change, so that what the window drew beside them goes first.
  virtual void GameChanging() = 0;
  virtual void SetUndoEnabled(bool enabled) = 0;  // whether the last placement can be taken back
  // Whether a card waits to be placed: from each deal until the end of its game.
  virtual void CardCurrent(bool current) = 0;
  // The 25th card ended a game and the high-score check is over, whatever it decided.
  virtual void GameFinished() = 0;
};

// Answers every request by doing nothing, so that the rules can play without a window.
class NullTableRequests : public TableRequests {
 public:
  void DrawCell(int, int, int) override {}
  void DrawScorePanel() override {}
  void DrawWinBanner() override {}
  bool CheckHighScore() override { return true; }
  void InvalidateTable() override {}
  void Beep() override {}
  void GameChanging() override {}
  void SetUndoEnabled(bool) override {}
  void CardCurrent(bool) override {}
  void GameFinished() override {}
};

}  // namespace marnelok
