// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and serving the review window.
#include "review_command.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

#include "game_history.h"
#include "placement_judge.h"
#include "review_picture.h"
#include "statistics_command.h"
#include "window_place.h"

namespace marnelok {

ReviewCommand::ReviewCommand(history::GameHistory& history, Desktop& desktop, QWidget& owner,
                             ReviewLook look, QMenu& menu, QAction& command, WindowPlaces& places)
    : history_(history), desktop_(desktop), owner_(owner), look_(look), places_(places) {
  // Asked each time the menu opens, never while the program starts: the history's file is
  // opened the first time the menu is.
  connect(&menu, &QMenu::aboutToShow, this, [this, &command] {
    history_.HasFinishedGame(this, [&command](bool found) { command.setEnabled(found); });
  });
  connect(&job_, &ReviewJob::judged, this, &ReviewCommand::Judged);
  connect(&job_, &ReviewJob::finished, this, [this] { Finish(false); });
}

ReviewCommand::~ReviewCommand() {
  if (window_) places_.Remember(*window_);
  delete window_;  // it may still ask for a cancel, which needs the members below
  job_.Cancel();
}

void ReviewCommand::Open(std::int64_t id) {
  if (view_ == nullptr) {
    StatisticsWindowFactory* factory = LoadWindowsModule(
        desktop_, owner_,
        QCoreApplication::translate("ReviewCommand", "The review window cannot be opened: %1"));
    if (factory == nullptr) return;
    view_ = factory->CreateReviewWindow(*this, &owner_);
    window_ = view_->Widget();
  }
  if (!window_->isVisible()) places_.Show(*window_, owner_);
  view_->Review(id);
}

void ReviewCommand::Review(std::int64_t id, QObject* receiver,
                           std::function<void(int, int)> progress,
                           std::function<void(const ReviewOutcome&)> done) {
  job_.Cancel();
  const std::uint64_t request = ++request_;
  active_ = true;
  game_ = {};
  judged_ = 0;
  total_ = 0;
  receiver_ = receiver;
  progress_ = std::move(progress);
  done_ = std::move(done);
  history_.ReadGame(id, this, [this, request](const history::GameReading& reading) {
    if (request == request_) Read(request, reading);
  });
}

void ReviewCommand::Read(std::uint64_t request, const history::GameReading& reading) {
  game_ = reading.game;
  if (!reading.error.isEmpty() || game_.id == 0) {
    active_ = false;
    if (receiver_ && done_) done_({game_, reading.error, false, false});
    return;
  }
  std::vector<JudgeTask> tasks = TasksToJudge(game_);
  judged_ = 0;
  total_ = static_cast<int>(tasks.size());
  if (receiver_ && progress_) progress_(0, total_);
  if (request != request_) return;  // the progress's receiver asked for another review
  job_.Start(std::move(tasks));     // none to judge: finished at once
}

void ReviewCommand::Judged(std::size_t index, const history::PlacementReview& review) {
  if (index >= game_.placements.size()) return;
  game_.placements[index].review = review;
  ++judged_;
  if (receiver_ && progress_) progress_(judged_, total_);
}

void ReviewCommand::Cancel() {
  ++request_;  // a reading on its way is dropped
  if (!active_) return;
  job_.Cancel();
  Finish(true);
}

void ReviewCommand::Finish(bool stopped) {
  if (!active_) return;
  active_ = false;
  // The verdicts read with the game are written again with the new ones, unchanged.
  if (judged_ > 0) history_.StoreReview(game_.id, game_.placements);
  // A placement is left without a verdict only by a stop or by a record that contradicts itself.
  bool complete = true;
  for (const history::PlacementRecord& p : game_.placements)
    complete = complete && (p.thrown || p.review.has_value());
  if (receiver_ && done_) done_({game_, QString(), complete, stopped});
}

QImage ReviewCommand::Picture(const history::GameRecord& game, std::size_t index,
                              qreal devicePixelRatio) {
  return DrawReviewPicture(game, index, look_.geometry, look_.look, look_.images, devicePixelRatio);
}

}  // namespace marnelok
