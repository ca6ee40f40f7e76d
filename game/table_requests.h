// What the game rules ask of the table window: drawing, command states and the beep.
#pragma once

namespace marnelok {

class TableRequests {
 public:
  virtual ~TableRequests() = default;

  virtual void DrawCell(int code, int column, int row) = 0;  // draw one board cell now
  virtual void DrawScorePanel() = 0;  // redraw the panel text; ends with the banner between games
  virtual void DrawWinBanner() = 0;   // the WIN band, when the total is 150 or more
  virtual void CheckHighScore() = 0;  // offer the total to the Top 5 list, save, redraw the board
  virtual void InvalidateTable() = 0; // schedule a full repaint
  virtual void SetUndoEnabled(bool enabled) = 0;
  // The check marks of "Play Regular Game" and "Throw down a few cards first".
  virtual bool RegularGameChecked() const = 0;
  virtual void SetRegularGameChecked(bool checked) = 0;
  virtual bool HarderGameChecked() const = 0;
  virtual void SetHarderGameChecked(bool checked) = 0;
  virtual void Beep() = 0;
};

// Answers every request by doing nothing, so that the rules can play without a window.
class NullTableRequests : public TableRequests {
 public:
  void DrawCell(int, int, int) override {}
  void DrawScorePanel() override {}
  void DrawWinBanner() override {}
  void CheckHighScore() override {}
  void InvalidateTable() override {}
  void SetUndoEnabled(bool) override {}
  bool RegularGameChecked() const override { return regularChecked_; }
  void SetRegularGameChecked(bool checked) override { regularChecked_ = checked; }
  bool HarderGameChecked() const override { return harderChecked_; }
  void SetHarderGameChecked(bool checked) override { harderChecked_ = checked; }
  void Beep() override {}

 private:
  bool regularChecked_ = true;
  bool harderChecked_ = false;
};

}  // namespace marnelok
