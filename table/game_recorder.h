// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps every game in the history: a finished one at its end, with the name entered for the
// Top 5 list; a game left after a placement of the player's when the next deal replaces it or
// the window closes. It follows the game through GameFacts and never changes it. A regular game
// of the day's daily deal, dealt on that day, is kept with its date; every game is kept with its
// par when it is known, and its par is worked out otherwise.
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <optional>

#include "game_state.h"

class QWidget;

namespace marnelok {

class Desktop;
class Game;
class GameFacts;
class ParKeeper;
namespace history {
class GameHistory;
}

class GameRecorder : public QObject {
 public:
  // Faults of the history are told over `owner` through the desktop. The game, the facts,
  // the history and the desktop outlive the recorder.
  GameRecorder(const Game& game, const GameFacts& facts, history::GameHistory& history,
               Desktop& desktop, QWidget* owner);
  ~GameRecorder() override;

  void HintAsked();  // the Hint command asked the advisor about the game on the table
  // The demo is about to place a card of the game on the table: the game is kept as a demo.
  void DemoPlaced() { demo_ = true; }
  // Whether the demo placed any card of the game on the table; such a game enters no Top 5
  // list and counts in no figure.
  bool DemoGame() const { return demo_; }
  // The window closes, or the program ends without that: a game in progress is left, and
  // every game waiting gets one last write. Games that cannot be written are told lost, over
  // the window when `mayAsk`, on standard error otherwise. Only the first call does anything.
  void Closing(bool mayAsk = true);
  // The desktop session ends: the games waiting get their last write while the session
  // manager waits, and a loss is told as Closing tells it; `mayAsk` is asked only then, as
  // asking the session manager is a request of its own.
  void SessionEnding(const std::function<bool()>& mayAsk);
  // Called each time a game has been handed to the history.
  void OnKept(std::function<void()> kept) { kept_ = std::move(kept); }
  // Where the par of each game kept is found or asked for; it outlives the recorder.
  void SetParKeeper(ParKeeper* pars) { pars_ = pars; }

 private:
  void Finished(const QString& player);
  void Changing();
  void CardCurrent(bool current);
  void Keep(const GameState& state, const QString& player);
  void LastWrite(const std::function<bool()>& mayAsk);

  const Game& game_;
  history::GameHistory& history_;
  Desktop& desktop_;
  QWidget* owner_;
  ParKeeper* pars_ = nullptr;
  QDate daily_;  // the date of the daily deal on the table; null for any other deal
  std::optional<GameState> before_;  // the game as it stood before the change under way
  QDateTime startedAt_;
  int hints_ = 0;
  bool demo_ = false;
  bool prepared_ = false;
  bool closed_ = false;
  std::function<void()> kept_;
};

}  // namespace marnelok
