// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a kept game and storing its review.
#include "game_reader.h"

#include "position.h"
#include "row_checks.h"

namespace marnelok::history {
namespace {

GameRecord GameOf(const QSqlQuery& q) {
  GameRecord g;
  g.id = q.value(0).toLongLong();
  g.startedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
  g.endedAt = QDateTime::fromString(q.value(2).toString(), Qt::ISODate);
  g.deal = static_cast<std::uint32_t>(q.value(3).toLongLong());
  g.kind = KindOfText(q.value(4).toString());
  g.total = q.value(5).toInt();
  g.finished = q.value(6).toBool();
  g.hints = q.value(7).toInt();
  g.demo = q.value(8).toBool();
  g.player = q.value(9).isNull() ? QString() : q.value(9).toString();
  for (int k = 0; k < kLines; ++k) {
    const QVariant hand = q.value(10 + k);
    g.hands[static_cast<std::size_t>(k)] = hand.isNull() ? kNoHand : hand.toInt();
  }
  if (!q.value(20).isNull()) g.par = q.value(20).toInt();
  g.daily = QDate::fromString(q.value(21).toString(), Qt::ISODate);
  return g;
}

PlacementRecord PlacementOf(const QSqlQuery& q) {
  PlacementRecord p;
  p.turn = q.value(0).toInt();
  p.card = q.value(1).toInt();
  p.cell = q.value(2).toInt();
  p.thrown = q.value(3).toBool();
  // A review is whole or absent: a row that another program left half filled, or with values
  // no review makes (a best cell off the grid or not a number, totals out of reach), is
  // judged again.
  if (!p.thrown && q.value(7).toBool())
    p.review = PlacementReview{q.value(4).toInt(), q.value(5).toDouble(), q.value(6).toDouble()};
  return p;
}

}  // namespace

GameReading ReadGame(const QSqlDatabase& db, std::int64_t id) {
  const QString columns = QStringLiteral(
      "SELECT id, started_at, finished_at, deal, kind, total, finished, hints, demo, player, row1, "
      "row2, row3, row4, row5, col1, col2, col3, col4, col5, par, daily FROM games ");
  SqlBatch batch(db);
  batch.BeginRead();
  QSqlQuery q =
      id == kNewestFinished
          ? batch.Run(columns + QStringLiteral("WHERE finished = 1 AND %1 ORDER BY id DESC LIMIT 1")
                                    .arg(SoundGameId()))
          : batch.Run(columns + QStringLiteral("WHERE id = ? AND %1").arg(SoundGameId()),
                      {qint64{id}});
  GameReading reading;
  if (!batch.failed() && q.next()) reading.game = GameOf(q);
  if (reading.game.id != 0) {
    q = batch.Run(
        QStringLiteral("SELECT turn, card, cell, thrown, best_cell, expected_chosen, "
                       "expected_best, %1 FROM placements WHERE game_id = ? ORDER BY turn")
            .arg(SoundReview()),
        {qint64{reading.game.id}});
    while (!batch.failed() && q.next()) reading.game.placements.push_back(PlacementOf(q));
  }
  if (!batch.Finish()) {
    reading.game = {};
    reading.error = batch.fault() ? batch.fault()->text : QString();
  }
  return reading;
}

std::optional<bool> HasFinishedGame(const QSqlDatabase& db) {
  SqlBatch batch(db);
  const QVariant found =
      batch.Value(QStringLiteral("SELECT EXISTS (SELECT 1 FROM games WHERE finished = 1 AND %1)")
                      .arg(SoundGameId()));
  if (batch.failed()) return std::nullopt;
  return found.toBool();
}

std::optional<SqlFault> WriteReview(const QSqlDatabase& db, std::int64_t id,
                                    const std::vector<PlacementRecord>& placements) {
  SqlBatch batch(db);
  batch.BeginWrite();
  for (const PlacementRecord& p : placements) {
    if (!p.review) continue;
    batch.Run(
        QStringLiteral("UPDATE placements SET best_cell = ?, expected_chosen = ?, "
                       "expected_best = ? WHERE game_id = ? AND turn = ?"),
        {p.review->bestCell, p.review->expectedChosen, p.review->expectedBest, qint64{id}, p.turn});
  }
  if (batch.Finish()) return std::nullopt;
  return batch.fault();
}

std::optional<SqlFault> WritePar(const QSqlDatabase& db, const DealOfKind& deal, int par) {
  SqlBatch batch(db);
  batch.BeginWrite();
  batch.Run(QStringLiteral("UPDATE games SET par = ? WHERE deal = ? AND kind = ? AND par IS NULL"),
            {par, qint64{deal.deal}, KindText(deal.kind)});
  if (batch.Finish()) return std::nullopt;
  return batch.fault();
}

std::vector<DealOfKind> DealsWithoutPar(const QSqlDatabase& db, int limit) {
  SqlBatch batch(db);
  batch.BeginRead();
  QSqlQuery q = batch.Run(QStringLiteral("SELECT deal, kind FROM games WHERE par IS NULL AND %1 "
                                         "GROUP BY deal, kind ORDER BY max(id) DESC LIMIT ?")
                              .arg(SoundGameId()),
                          {limit});
  std::vector<DealOfKind> deals;
  while (!batch.failed() && q.next())
    deals.push_back(
        {static_cast<std::uint32_t>(q.value(0).toLongLong()), KindOfText(q.value(1).toString())});
  batch.Finish();
  return deals;
}

}  // namespace marnelok::history
