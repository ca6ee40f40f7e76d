// SPDX-License-Identifier: GPL-3.0-or-later
// The list of recent games as a table model: date, deal, kind, total, won, hints.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "statistics.h"

namespace marnelok {

class RecentGamesModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kDate, kDeal, kKind, kTotal, kPar, kWon, kHints, kColumns };
  // The value a column sorts by: a number or a time rather than the text shown.
  static constexpr int kSortRole = Qt::UserRole;

  explicit RecentGamesModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetGames(std::vector<history::RecentGame> games);
  const history::RecentGame& Game(int row) const { return games_[static_cast<std::size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<history::RecentGame> games_;
};

}  // namespace marnelok
