// SPDX-License-Identifier: GPL-3.0-or-later
// A history for window tests: keeps the games it is given in memory (game k has the id k + 1)
// and reads them back with their reviews, answers at once with what the test set, records the
// exports and resets asked of it, and tells a fault when a test asks it to.
#pragma once

#include <QStringList>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "game_history.h"

namespace marnelok::testing {

class FakeHistory : public history::GameHistory {
 public:
  std::vector<history::GameRecord> kept;
  int prepared = 0;
  int reads = 0;
  int reviewsStored = 0;
  history::StatisticsResult answer;
  QStringList calls;    // "export <path>", "erase"
  QString exportError;  // what an export answers
  std::function<void(const QString&)> tell;
  int finished = 0;             // the times the window asked for the last write
  std::optional<QString> lost;  // what that last write answers

  void Keep(history::GameRecord game) override {
    game.id = static_cast<std::int64_t>(kept.size()) + 1;
    kept.push_back(std::move(game));
  }
  void Prepare() override { ++prepared; }
  void ReadStatistics(QObject*,
                      std::function<void(const history::StatisticsResult&)> done) override {
    ++reads;
    done(answer);
  }
  void Export(const QString& path, QObject*, std::function<void(const QString&)> done) override {
    calls << "export " + path;
    done(exportError);
  }
  void Erase(QObject*, std::function<void(const QString&)> done) override {
    calls << "erase";
    kept.clear();
    answer = {};
    done({});
  }
  void ReadGame(std::int64_t id, QObject*,
                std::function<void(const history::GameReading&)> done) override {
    history::GameReading reading;
    for (const history::GameRecord& g : kept)
      if (g.id == id || (id == history::kNewestFinished && g.finished)) reading.game = g;
    done(reading);
  }
  void HasFinishedGame(QObject*, std::function<void(bool)> done) override {
    done(std::any_of(kept.begin(), kept.end(), [](const auto& g) { return g.finished; }));
  }
  void StoreReview(std::int64_t id, std::vector<history::PlacementRecord> placements) override {
    ++reviewsStored;
    for (history::GameRecord& g : kept)
      if (g.id == id)
        for (const history::PlacementRecord& p : placements)
          if (p.review) g.placements[static_cast<std::size_t>(p.turn - 1)].review = p.review;
  }
  // Stores a par as the history does; DealsWithoutPar answers with the kept games' deals.
  void StorePar(const history::DealOfKind& deal, int par) override {
    for (history::GameRecord& g : kept)
      if (!g.par && g.deal == deal.deal && g.kind == deal.kind) g.par = par;
  }
  void DealsWithoutPar(int limit, QObject*,
                       std::function<void(const std::vector<history::DealOfKind>&)> done) override {
    std::vector<history::DealOfKind> deals;
    for (auto g = kept.rbegin(); g != kept.rend(); ++g) {
      const history::DealOfKind deal{g->deal, g->kind};
      if (!g->par && std::find(deals.begin(), deals.end(), deal) == deals.end() &&
          static_cast<int>(deals.size()) < limit)
        deals.push_back(deal);
    }
    done(deals);
  }
  void SetFaultHandler(std::function<void(const QString&)> handler) override {
    tell = std::move(handler);
  }
  std::optional<QString> Finish() override {
    ++finished;
    return lost;
  }
};

}  // namespace marnelok::testing
