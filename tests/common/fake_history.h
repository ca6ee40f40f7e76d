// SPDX-License-Identifier: GPL-3.0-or-later
// A history for window tests: keeps the games it is given in memory, answers at once, and
// tells a fault when a test asks it to.
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "game_history.h"

namespace marnelok::testing {

class FakeHistory : public history::GameHistory {
 public:
  std::vector<history::GameRecord> kept;
  int prepared = 0;
  history::StatisticsResult answer;
  std::function<void(const QString&)> tell;

  void Keep(history::GameRecord game) override { kept.push_back(std::move(game)); }
  void Prepare() override { ++prepared; }
  void ReadStatistics(QObject*,
                      std::function<void(const history::StatisticsResult&)> done) override {
    done(answer);
  }
  void Export(const QString&, QObject*, std::function<void(const QString&)> done) override {
    done({});
  }
  void Erase(QObject*, std::function<void(const QString&)> done) override {
    kept.clear();
    done({});
  }
  void SetFaultHandler(std::function<void(const QString&)> handler) override {
    tell = std::move(handler);
  }
};

}  // namespace marnelok::testing
