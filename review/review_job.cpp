// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a game's placements on every core.
#include "review_job.h"

#include <algorithm>
#include <system_error>

namespace marnelok {

ReviewJob::ReviewJob(int threads, QObject* parent)
    : QObject(parent),
      threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {}

ReviewJob::~ReviewJob() {
  Cancel();
  workers_.clear();  // joins: each worker returns within milliseconds of the stop
}

void ReviewJob::Start(std::vector<JudgeTask> tasks) {
  Cancel();
  // The previous job's workers were asked to stop above and end within milliseconds.
  workers_.clear();
  const std::uint64_t job = ++job_;
  left_ = tasks.size();
  running_ = true;
  if (tasks.empty()) {
    running_ = false;
    emit finished();
    return;
  }
  auto shared = std::make_shared<const std::vector<JudgeTask>>(std::move(tasks));
  auto next = std::make_shared<std::atomic<std::size_t>>(0);
  const int count = std::min<int>(threads_, static_cast<int>(shared->size()));
  for (int t = 0; t < count; ++t) {
    ++*workersLeft_;
    try {
      workers_.emplace_back([this, job, shared, next, left = workersLeft_](std::stop_token stop) {
        for (std::size_t k = (*next)++; k < shared->size() && !stop.stop_requested();
             k = (*next)++) {
          const JudgeTask& task = (*shared)[k];
          if (const auto review = Judge(task, stop))
            QMetaObject::invokeMethod(
                this, [this, job, index = task.index, r = *review] { Deliver(job, index, r); },
                Qt::QueuedConnection);
        }
        --*left;
      });
    } catch (const std::system_error&) {
      // No thread to be had: the workers already started take its share.
      --*workersLeft_;
      if (workers_.empty()) {
        running_ = false;
        return;
      }
    }
  }
}

void ReviewJob::Cancel() {
  ++job_;
  running_ = false;
  for (std::jthread& worker : workers_) worker.request_stop();
}

void ReviewJob::Deliver(std::uint64_t job, std::size_t index,
                        const history::PlacementReview& review) {
  if (job != job_) return;
  emit judged(index, review);
  if (--left_ == 0) {
    running_ = false;
    emit finished();
  }
}

}  // namespace marnelok
