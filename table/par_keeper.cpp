// SPDX-License-Identifier: GPL-3.0-or-later
// Working out and storing par for the window.
#include "par_keeper.h"

#include "game_history.h"
#include "par_job.h"

namespace marnelok {

ParKeeper::ParKeeper(history::GameHistory& history, QObject* parent)
    : QObject(parent), history_(history) {}

ParKeeper::~ParKeeper() = default;

void ParKeeper::Want(const history::DealOfKind& deal) {
  if (stopped_) return;
  if (const auto par = Known(deal)) {
    history_.StorePar(deal, *par);  // a replayed deal: its new game gets the par too
    return;
  }
  if (!job_) {
    job_ = std::make_unique<ParJob>();
    connect(job_.get(), &ParJob::played, this, &ParKeeper::Played);
  }
  job_->Add({deal.deal, deal.kind});
}

void ParKeeper::FillIn() {
  if (stopped_) return;
  history_.DealsWithoutPar(kFillIn, this, [this](const std::vector<history::DealOfKind>& deals) {
    for (const history::DealOfKind& deal : deals) Want(deal);
  });
}

std::optional<int> ParKeeper::Known(const history::DealOfKind& deal) const {
  const auto found = known_.find({deal.deal, deal.kind});
  if (found == known_.end()) return std::nullopt;
  return found->second;
}

void ParKeeper::Stop() {
  stopped_ = true;
  if (job_) job_->Stop();
}

void ParKeeper::Played(const ParDeal& deal, int par) {
  known_[{deal.deal, deal.kind}] = par;
  history_.StorePar({deal.deal, deal.kind}, par);
  if (stored_) stored_();
}

}  // namespace marnelok
