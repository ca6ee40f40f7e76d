// SPDX-License-Identifier: GPL-3.0-or-later
// What the history tests share: a private folder, a worker on a file in it, the messages the
// player was told, and direct SQL on the file.
#pragma once

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

#include "game_record.h"
#include "history_worker.h"

namespace marnelok::history::testing {

class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() : path(dir.filePath("Marnelok/history.sqlite")) {}

  std::unique_ptr<HistoryWorker> MakeWorker() {
    return std::make_unique<HistoryWorker>(path, [this](const QString& m) { told << m; });
  }

  // A game of known figures, without placements, ended at a known time.
  static GameRecord KnownGame(bool regular, int total, bool finished = true,
                              std::array<int, kLines> hands = {}, int hints = 0,
                              bool demo = false) {
    GameRecord g;
    g.startedAt = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    g.endedAt = g.startedAt.addSecs(300);
    g.deal = 1000 + static_cast<std::uint32_t>(total);
    g.kind = regular ? GameKind::kRegular : GameKind::kThrowDown;
    g.total = total;
    g.finished = finished;
    g.hands = hands;
    if (!finished) g.hands.fill(kNoHand);
    g.hints = hints;
    g.demo = demo;
    return g;
  }

  // Every row of `sql` on the file, its columns joined by "|", through a connection of its own.
  QStringList Rows(const QString& sql) const;
  // Runs `statements` in order on one connection of its own, as another tool would.
  void Exec(const QStringList& statements) const;

  QTemporaryDir dir;
  QString path;
  QStringList told;
};

}  // namespace marnelok::history::testing
