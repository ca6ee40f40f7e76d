// SPDX-License-Identifier: GPL-3.0-or-later
// What the window, the Statistics window and main.cpp know of the history: a small interface
// whose every call returns at once. The work runs on a thread of its own, so that neither the
// file's check nor a write that waits for the disk ever holds up the table.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "game_record.h"
#include "statistics.h"

namespace marnelok::history {

class GameHistory {
 public:
  virtual ~GameHistory() = default;

  // Keeps a game that ended, finished or left. It is written in one transaction; when that
  // fails it stays in memory and is written with the next write that succeeds.
  virtual void Keep(GameRecord game) = 0;
  // Opens and checks the file now, so that the first look at the statistics is quick.
  virtual void Prepare() = 0;

  // The answers below run on `receiver`'s thread, and not at all once it is gone.
  virtual void ReadStatistics(QObject* receiver,
                              std::function<void(const StatisticsResult&)> done) = 0;
  // The whole history as CSV; `done` gets the reason it failed, or an empty text.
  virtual void Export(const QString& path, QObject* receiver,
                      std::function<void(const QString& error)> done) = 0;
  // A kept game with its placements and their reviews: game `id`, or with kNewestFinished the
  // newest finished game; its id is 0 when there is none.
  virtual void ReadGame(std::int64_t id, QObject* receiver,
                        std::function<void(const GameReading&)> done) = 0;
  // Whether the history holds a finished game (false when it cannot be read).
  virtual void HasFinishedGame(QObject* receiver, std::function<void(bool found)> done) = 0;
  // Stores the reviews of game `id`'s placements, matched by turn; a placement without a review
  // is left as it is. A review that cannot be stored is only done again the next time.
  virtual void StoreReview(std::int64_t id, std::vector<PlacementRecord> placements) = 0;
  // Stores the par of a deal in every game of that deal and kind, kept or waiting, that has
  // none. A par that cannot be stored is worked out again when next needed.
  virtual void StorePar(const DealOfKind& deal, int par) = 0;
  // Up to `limit` deals of kept games without a par, those played last first.
  virtual void DealsWithoutPar(int limit, QObject* receiver,
                               std::function<void(const std::vector<DealOfKind>&)> done) = 0;
  // Empties the history (every game, and the games still waiting to be written).
  virtual void Erase(QObject* receiver, std::function<void(const QString& error)> done) = 0;

  // Where the player is told of a fault: once per run for each kind of fault.
  virtual void SetFaultHandler(std::function<void(const QString& message)> tell) = 0;

  // The program ends: waits for one last write of every game handed over, with the busy
  // timeout. Gives the text to tell when games could not be written and are lost.
  virtual std::optional<QString> Finish() = 0;
};

}  // namespace marnelok::history
