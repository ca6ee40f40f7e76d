// SPDX-License-Identifier: GPL-3.0-or-later
// The two acts of the table, whoever asks for them: the mouse, the keys, the demo.
#pragma once

#include "geometry.h"

namespace marnelok {

// Every rule of a click holds for each act: while the Top 5 panel shows, either only closes
// it; a taken cell beeps; a placement or a deal takes the hint's and the demo's frames away.
class TableActs {
 public:
  // Places the current card in `cell` (board column 2 to 6, row 1 to 5); a cell off the grid
  // is ignored.
  virtual void PlaceCurrentCard(Cell cell) = 0;
  // Deals a new game, as a press on the deck does between games; during a game, nothing.
  virtual void DealFromDeck() = 0;

 protected:
  ~TableActs() = default;
};

}  // namespace marnelok
