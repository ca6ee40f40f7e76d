// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Demo: the advisor plays the game on the table to its end, a card every 0.7 s, framing
// its cell just before each placement, until a click, a key or a menu command hands the game
// back to the player.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

#include "geometry.h"
#include "hint_search.h"
#include "position.h"

class QWidget;

namespace marnelok {

class Game;
class GameFacts;
class TableActs;

// The demo asks the advisor with the review's budget and seed rule, off the window's thread,
// so that a game it plays alone loses no point when it is reviewed. It places cards as a click
// does, through the rules, so everything that follows the game follows the demo as it follows
// the player. It never asks for a name for the Top 5 list: the window asks it whether it played.
class DemoPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kPace{700};       // from a card to the next
  static constexpr std::chrono::milliseconds kFrameLead{250};  // the frame before its card

  // A press of a mouse button or a key in `window` (its menus included) stops the demo; one on
  // the table is used up by the stop. The game and the window outlive the player.
  DemoPlayer(Game& game, const GameFacts& facts, QWidget& window, TableActs& acts,
             QObject* parent = nullptr);
  ~DemoPlayer() override;

  bool Running() const { return running_; }
  // The empty cell framed just before the demo places its card there.
  const std::optional<Cell>& Framed() const { return framed_; }

  // Plays the game on the table, or deals a new one when none is in progress.
  void Start();
  // Hands the game back: the question out is dropped and the frame erased.
  void Stop();
  void SetPace(std::chrono::milliseconds pace, std::chrono::milliseconds frameLead);

 signals:
  void frameShown();            // the frame on Framed() comes
  void frameErased(Cell cell);  // the frame on `cell` goes
  void placing();               // the demo is about to place the current card
  void stopped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Ask();              // asks the advisor about the current card
  void Advised(int cell);  // its answer
  void Frame();            // once the answer is in and the pause is over
  void Place();
  void Changing();  // the game is about to change

  Game& game_;
  QWidget& window_;
  TableActs& acts_;  // it plays as the player does
  std::chrono::milliseconds pace_ = kPace;
  std::chrono::milliseconds frameLead_ = kFrameLead;
  bool running_ = false;
  bool placing_ = false;         // the change under way is the demo's own
  bool swallowRelease_ = false;  // the press that stopped the demo was on the table
  std::optional<int> advised_;   // the answer about the current card, once it is in
  bool paused_ = false;          // the pause before the frame is over
  std::optional<Cell> framed_;
  Position askedFor_;
  QTimer timer_;
  HintSearch search_;  // last: its worker ends before anything else goes
};

}  // namespace marnelok
