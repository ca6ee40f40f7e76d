// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the move advisor on a thread of its own and brings the answer back to the window's.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "advisor.h"
#include "position.h"

namespace marnelok {

// One question at a time. The worker reads only its own copy of the position, so the rules
// and everything they own stay on the window's thread. An answer is delivered by a queued
// call on the window's thread, and only while its question is still the current one: a
// cancel makes even an answer already on its way vanish unseen.
class HintSearch : public QObject {
  Q_OBJECT

 public:
  // Prompt enough to seem at once; the advisor usually finishes well within it.
  static constexpr std::chrono::milliseconds kTimeLimit{300};

  explicit HintSearch(QObject* parent = nullptr);
  // Stops a running search and waits for it: the advisor returns within milliseconds.
  ~HintSearch() override;

  void SetBudget(const AdvisorBudget& budget) { budget_ = budget; }
  // Starts advising on the position; a search still running is cancelled first.
  void Start(const Position& position, std::uint64_t seed);
  // Asks the search to stop and drops its answer. Never waits.
  void Cancel();
  // A question is out and neither answered nor cancelled.
  bool Pending() const { return pending_; }
  // No worker thread runs any more (for tests, which wait for a cancelled one to end).
  bool WorkerDone() const { return workerDone_.load(); }

 signals:
  void advised(int cell);  // a GridCell index, or -1 when the advisor found none

 private:
  void Deliver(std::uint64_t question, int cell);

  AdvisorBudget budget_;
  std::uint64_t question_ = 0;  // the current question's number; the window's thread only
  bool pending_ = false;
  std::atomic<bool> workerDone_{true};
  std::jthread worker_;  // last: it ends before the members its thread touches
};

}  // namespace marnelok
