// SPDX-License-Identifier: GPL-3.0-or-later
// The Hint command's state: the question out to the advisor and the frame on the advised cell.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "geometry.h"
#include "hint_search.h"
#include "position.h"

namespace marnelok {

class Game;

// Starts, cancels and clears the hint. It reads the game and never changes it; what it draws
// it asks for through its two signals, which the window's cell frames follow.
class TableHint : public QObject {
  Q_OBJECT

 public:
  // seed: the first of the advisor's own seeds, so that a hint never changes a deal.
  TableHint(const Game& game, std::uint64_t seed, QObject* parent = nullptr);

  // The empty cell framed while the hint stands; the painter reads it.
  const std::optional<Cell>& Shown() const { return shown_; }
  // Whether the current card can be advised on: a game is in progress.
  bool Available() const;

  // Asks the advisor about the current card, unless a hint stands or is on its way.
  void Ask();
  // The game is about to change: the question is cancelled and the frame erased, before the
  // rules draw anything.
  void Drop();
  // Cancels the question only; a hint that stands keeps its frame.
  void Cancel();

  HintSearch& Search() { return search_; }  // its budget, and whether a question is out
  void SetSeed(std::uint64_t seed) { seed_ = seed; }

 signals:
  void asked();                 // a question about the current card went to the advisor
  void frameShown();            // the frame on Shown() comes
  void frameErased(Cell cell);  // the frame on `cell` goes

 private:
  void Show(int cell);

  const Game& game_;
  std::optional<Cell> shown_;
  std::uint64_t seed_;
  Position askedFor_;  // the position of the question out
  HintSearch search_;  // last: its worker ends before anything else goes
};

}  // namespace marnelok
