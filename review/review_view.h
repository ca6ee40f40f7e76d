// SPDX-License-Identifier: GPL-3.0-or-later
// What the review window and the program know of each other. The window lives in the module
// that holds Qt Charts; the program judges the placements (the advisor is its code) and draws the
// table as it stood (so is the painter), and the window shows what it gets.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "game_record.h"

class QWidget;

namespace marnelok {

// What a review brings back: the game with the verdicts on its placements.
struct ReviewOutcome {
  history::GameRecord game;  // id 0 when the history holds no such game
  QString error;             // why the history could not be read; empty otherwise
  bool complete = false;     // every placement of the player's has its verdict
  bool stopped = false;      // a cancel ended the review before its end
};

// The program's side.
class ReviewSource {
 public:
  virtual ~ReviewSource() = default;
  // Reads game `id` (history::kNewestFinished: the newest finished one) and judges, off the
  // window's thread, each of the player's placements that has no verdict yet; the verdicts are
  // stored in the history. `progress` gets the placements judged so far and those to judge,
  // `done` the outcome; both run on `receiver`'s thread, never once it is gone. A review asked
  // for while another is under way replaces it.
  virtual void Review(std::int64_t id, QObject* receiver,
                      std::function<void(int judged, int total)> progress,
                      std::function<void(const ReviewOutcome&)> done) = 0;
  // Stops the judging within 100 ms. The verdicts so far are stored, and `done` comes at once
  // with them (stopped), unless the review had already ended.
  virtual void Cancel() = 0;
  // The grid and the current card before placement `index` of `game`, drawn by the table's own
  // painter in the main window's card size and colours, with the cell where the card went and
  // the advisor's best cell framed when the placement has a verdict.
  virtual QImage Picture(const history::GameRecord& game, std::size_t index,
                         qreal devicePixelRatio) = 0;
};

// The window's side.
class ReviewView {
 public:
  virtual ~ReviewView() = default;
  virtual QWidget* Widget() = 0;
  // Shows the window and reviews game `id`; a review under way is cancelled first.
  virtual void Review(std::int64_t id) = 0;
};

}  // namespace marnelok
