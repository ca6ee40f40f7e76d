// SPDX-License-Identifier: GPL-3.0-or-later
// Judges a game's placements on every core, off the window's thread, one position per task.
#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "placement_judge.h"

namespace marnelok {

// One job at a time. Each worker thread takes the next position not yet taken, so the
// positions spread over the cores whatever each one costs. Verdicts come back one by one as
// queued calls on the job's thread, and only while their job is the current one: a cancel makes
// even a verdict already on its way vanish unseen.
class ReviewJob : public QObject {
  Q_OBJECT

 public:
  // threads: how many positions are judged at once; 0 for one per core.
  explicit ReviewJob(int threads = 0, QObject* parent = nullptr);
  // Stops the workers and waits for them: the advisor returns within milliseconds of a stop.
  ~ReviewJob() override;

  // Starts judging the tasks; a job still running is cancelled first.
  void Start(std::vector<JudgeTask> tasks);
  // Asks the workers to stop and drops their verdicts. Never waits.
  void Cancel();
  bool Running() const { return running_; }
  // No worker thread runs any more (tests wait for a cancelled job's workers to end).
  bool WorkersDone() const { return *workersLeft_ == 0; }

 signals:
  // The verdict on the placement at `index` in the game's placements.
  void judged(std::size_t index, const history::PlacementReview& review);
  void finished();  // every task of the job judged

 private:
  void Deliver(std::uint64_t job, std::size_t index, const history::PlacementReview& review);

  int threads_;
  std::uint64_t job_ = 0;  // the current job's number; the job's thread only
  bool running_ = false;
  std::size_t left_ = 0;  // verdicts still to come for the current job
  // Shared with the workers, which may outlive a job they were told to stop.
  std::shared_ptr<std::atomic<int>> workersLeft_ = std::make_shared<std::atomic<int>>(0);
  std::vector<std::jthread> workers_;  // last: they end before the members they touch
};

}  // namespace marnelok
