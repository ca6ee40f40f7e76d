// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the move advisor on a thread of its own and brings the answer back to the window's.
#include "hint_search.h"

#include <system_error>

namespace marnelok {

HintSearch::HintSearch(QObject* parent) : QObject(parent) { budget_.timeLimit = kTimeLimit; }

HintSearch::~HintSearch() {
  Cancel();
  if (worker_.joinable()) worker_.join();
}

void HintSearch::Start(const Position& position, std::uint64_t seed) {
  Cancel();
  // The previous worker, if any, was asked to stop above and ends within milliseconds;
  // replacing it waits for that.
  worker_ = std::jthread();
  const std::uint64_t question = ++question_;
  pending_ = true;
  workerDone_ = false;
  try {
    worker_ =
        std::jthread([this, position, seed, budget = budget_, question](std::stop_token stop) {
          const Advice advice = AdviseMove(position, seed, budget, stop);
          if (!stop.stop_requested()) {
            QMetaObject::invokeMethod(
                this, [this, question, cell = advice.cell] { Deliver(question, cell); },
                Qt::QueuedConnection);
          }
          workerDone_ = true;
        });
  } catch (const std::system_error&) {
    // No thread to be had: the question gets no answer, and the game goes on without it.
    pending_ = false;
    workerDone_ = true;
  }
}

void HintSearch::Cancel() {
  ++question_;
  pending_ = false;
  worker_.request_stop();
}

void HintSearch::Deliver(std::uint64_t question, int cell) {
  if (question != question_) return;
  pending_ = false;
  emit advised(cell);
}

}  // namespace marnelok
