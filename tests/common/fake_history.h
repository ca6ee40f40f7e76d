// SPDX-License-Identifier: GPL-3.0-or-later
// A history for window tests: keeps the games it is given in memory, answers at once with
// what the test set, records the exports and resets asked of it, and tells a fault when a
// test asks it to.
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
  int reads = 0;
  history::StatisticsResult answer;
  QStringList calls;    // "export <path>", "erase"
  QString exportError;  // what an export answers
  std::function<void(const QString&)> tell;

  void Keep(history::GameRecord game) override { kept.push_back(std::move(game)); }
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
  void SetFaultHandler(std::function<void(const QString&)> handler) override {
    tell = std::move(handler);
  }
};

}  // namespace marnelok::testing
