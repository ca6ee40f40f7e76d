// SPDX-License-Identifier: GPL-3.0-or-later
// Working out par off the window's thread.
#include "par_job.h"

#include <algorithm>
#include <system_error>

namespace marnelok {

ParJob::ParJob(int threads, QObject* parent)
    : QObject(parent),
      threads_(threads > 0
                   ? threads
                   : std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1)) {}

ParJob::~ParJob() {
  Stop();
  workers_.clear();
}

void ParJob::Add(const ParDeal& deal) {
  {
    std::lock_guard lock(queue_->mutex);
    if (queue_->stopped) return;
    const auto has = [&deal](const auto& list) {
      return std::find(list.begin(), list.end(), deal) != list.end();
    };
    if (has(queue_->waiting) || has(queue_->playing)) return;
    queue_->waiting.push_back(deal);
  }
  queue_->wake.notify_one();
  while (static_cast<int>(workers_.size()) < threads_) {
    try {
      workers_.emplace_back([this](std::stop_token stop) { Work(stop); });
    } catch (const std::system_error&) {
      break;  // no thread to be had: the workers already started take the deal
    }
  }
}

void ParJob::Work(std::stop_token stop) {
  const std::shared_ptr<Queue> queue = queue_;
  while (true) {
    ParDeal deal;
    {
      std::unique_lock lock(queue->mutex);
      if (!queue->wake.wait(lock, stop, [&queue] { return !queue->waiting.empty(); })) return;
      deal = queue->waiting.front();
      queue->waiting.pop_front();
      queue->playing.push_back(deal);
    }
    const std::optional<int> par = PlayPar(deal, stop);
    {
      std::lock_guard lock(queue->mutex);
      queue->playing.erase(std::find(queue->playing.begin(), queue->playing.end(), deal));
      if (!par || queue->stopped) return;
      // Queued while the lock is held, so that Stop, which takes it, comes after it or sees it
      // dropped: a par delivered after Stop is never emitted.
      QMetaObject::invokeMethod(
          this,
          [this, queue, deal, value = *par] {
            if (!queue->stopped) emit played(deal, value);
          },
          Qt::QueuedConnection);
    }
  }
}

void ParJob::Stop() {
  {
    std::lock_guard lock(queue_->mutex);
    queue_->stopped = true;
    queue_->waiting.clear();
  }
  for (std::jthread& worker : workers_) worker.request_stop();
}

bool ParJob::Idle() const {
  std::lock_guard lock(queue_->mutex);
  return queue_->waiting.empty() && queue_->playing.empty();
}

}  // namespace marnelok
