// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the Statistics window: one row per figure, one column for all games and one
// for each game kind, then a row for each hand with its count and share of lines.
#pragma once

#include <QTableWidget>

#include "statistics.h"

namespace marnelok {

class FiguresTable : public QTableWidget {
  Q_OBJECT

 public:
  explicit FiguresTable(QWidget* parent = nullptr);
  // Shows the figures; numbers follow the system's locale.
  void Show(const history::Statistics& s);
  // The text shown at `row` (0 is "Games played", the hands follow the figures, the best
  // first) and `column` (0 all games, 1 regular, 2 throw-down).
  QString Cell(int row, int column) const;

 private:
  void FitColumns();
};

}  // namespace marnelok
