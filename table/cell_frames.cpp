// SPDX-License-Identifier: GPL-3.0-or-later
// The frames on advised cells.
#include "cell_frames.h"

#include "game.h"

namespace marnelok {

void CellFrames::Erase(Cell cell) {
  if (!painter_.TopFiveShown() && game_.CanPlaceAt(cell.column, cell.row))
    painter_.DrawCell(kEmptySlotCode, cell.column, cell.row);
}

}  // namespace marnelok
