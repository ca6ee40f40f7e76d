// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up that the windows' lists share.
#include "read_only_list.h"

#include <QHeaderView>
#include <QTableView>

namespace marnelok {

void MakeReadOnlyList(QTableView& view) {
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setSelectionMode(QAbstractItemView::SingleSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.verticalHeader()->hide();
}

}  // namespace marnelok
