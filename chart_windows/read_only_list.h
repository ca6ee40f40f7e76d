// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up that the windows' lists of games and of placements share.
#pragma once

class QTableView;

namespace marnelok {

// A list that is read, never edited: one whole row is selected at a time, and no row numbers
// show beside it.
void MakeReadOnlyList(QTableView& view);

}  // namespace marnelok
