// SPDX-License-Identifier: GPL-3.0-or-later
// The reviewed game's placements as a table: the card, where it went, the best cell, the
// expected totals after each, the points lost and the mark of the costliest three.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "game_record.h"

namespace marnelok {

class PlacementsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    kTurn,
    kCard,
    kPlaced,
    kBest,
    kExpected,
    kBestExpected,
    kLost,
    kCostliest,
    kColumns
  };

  explicit PlacementsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetGame(const history::GameRecord& game);
  const history::GameRecord& Game() const { return game_; }
  // The placement's place among the costliest (1 to 3), or 0.
  int CostliestRank(int row) const { return ranks_[static_cast<std::size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant Text(const history::PlacementRecord& p, int column, int rank) const;

  history::GameRecord game_;
  std::vector<int> ranks_;
};

}  // namespace marnelok
