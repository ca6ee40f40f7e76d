// SPDX-License-Identifier: GPL-3.0-or-later
// Par for the window: works out the par of every game kept, and of kept games that lack one
// when a window needs it, and stores it in the history. Remembers the pars of this run for
// the deck's tooltip.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "game_record.h"

namespace marnelok {

class ParJob;
struct ParDeal;
namespace history {
class GameHistory;
}

class ParKeeper : public QObject {
 public:
  // Kept games lacking a par whose deals are worked out each time a window needs them.
  static constexpr int kFillIn = 100;

  // The history outlives the keeper. Nothing starts before the first deal is wanted.
  explicit ParKeeper(history::GameHistory& history, QObject* parent = nullptr);
  ~ParKeeper() override;

  // Works out the par of `deal` unless it is known or under way.
  void Want(const history::DealOfKind& deal);
  // Works out the par of the kept games that have none, those played last first.
  void FillIn();
  // The par of `deal` if it was worked out in this run.
  std::optional<int> Known(const history::DealOfKind& deal) const;
  // Stops at once (the window closes): a game kept without par gets it when next needed.
  void Stop();
  // Called after each par handed to the history, which stores it before any later reading.
  void OnStored(std::function<void()> stored) { stored_ = std::move(stored); }

 private:
  void Played(const ParDeal& deal, int par);

  history::GameHistory& history_;
  std::unique_ptr<ParJob> job_;
  std::map<std::pair<std::uint32_t, GameKind>, int> known_;
  std::function<void()> stored_;
  bool stopped_ = false;
};

}  // namespace marnelok
