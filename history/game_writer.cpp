// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a game into the history.
#include "game_writer.h"

#include <QStringList>

namespace marnelok::history {
namespace {

QString Utc(const QDateTime& time) { return time.toUTC().toString(Qt::ISODate); }

QVariant Hand(int hand) { return hand == kNoHand ? QVariant() : QVariant(hand); }

}  // namespace

std::optional<SqlFault> WriteGame(const QSqlDatabase& db, const GameRecord& game) {
  SqlBatch batch(db);
  batch.BeginWrite();
  QVariantList values{Utc(game.startedAt),
                      Utc(game.endedAt),
                      qint64{game.deal},
                      KindText(game.kind),
                      game.total,
                      game.won() ? 1 : 0,
                      game.finished ? 1 : 0,
                      game.hints,
                      game.demo ? 1 : 0,
                      game.player.isNull() ? QVariant() : QVariant(game.player)};
  for (int hand : game.hands) values << Hand(hand);
  values << (game.par ? QVariant(*game.par) : QVariant())
         << (game.daily.isValid() ? QVariant(game.daily.toString(Qt::ISODate)) : QVariant());
  const QSqlQuery inserted = batch.Run(
      QStringLiteral("INSERT INTO games(started_at, finished_at, deal, kind, total, won, "
                     "finished, hints, demo, player, row1, row2, row3, row4, row5, col1, col2, "
                     "col3, col4, col5, par, daily) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                     "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
      values);
  if (!game.placements.empty() && !batch.failed()) {
    const QVariant id = inserted.lastInsertId();
    QStringList rows;
    QVariantList cards;
    for (const PlacementRecord& p : game.placements) {
      rows << QStringLiteral("(?, ?, ?, ?, ?)");
      cards << id << p.turn << p.card << p.cell << (p.thrown ? 1 : 0);
    }
    batch.Run(QStringLiteral("INSERT INTO placements(game_id, turn, card, cell, thrown) VALUES ") +
                  rows.join(QStringLiteral(", ")),
              cards);
  }
  if (batch.Finish()) return std::nullopt;
  return batch.fault();
}

}  // namespace marnelok::history
