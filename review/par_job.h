// SPDX-License-Identifier: GPL-3.0-or-later
// Works out the par of deals off the window's thread, one deal per worker at a time.
#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "par.h"

namespace marnelok {

// Deals wait in a queue, each once; the workers start with the first deal added. A par comes
// back as a queued call on the job's thread. Stop ends the workers at once and drops what
// waits and what is on its way, so that quitting never waits for the advisor.
class ParJob : public QObject {
  Q_OBJECT

 public:
  // threads: how many deals are played at once; 0 for one fewer than the cores, at least one.
  explicit ParJob(int threads = 0, QObject* parent = nullptr);
  ~ParJob() override;  // stops and joins; the advisor returns within milliseconds of a stop

  // Queues a deal, unless it waits or is being played already.
  void Add(const ParDeal& deal);
  void Stop();
  // Nothing waits and nothing is being played (tests wait for it).
  bool Idle() const;

 signals:
  void played(const marnelok::ParDeal& deal, int par);

 private:
  struct Queue {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::deque<ParDeal> waiting;
    std::vector<ParDeal> playing;
    bool stopped = false;
  };
  void Work(std::stop_token stop);

  int threads_;
  std::shared_ptr<Queue> queue_ = std::make_shared<Queue>();
  std::vector<std::jthread> workers_;  // last: they end before the members they touch
};

}  // namespace marnelok
