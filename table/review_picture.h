// SPDX-License-Identifier: GPL-3.0-or-later
// The table as it stood before a placement of a kept game, for the review window: the deck,
// the current card and the grid, drawn by the table's own painter, with the review's frames.
#pragma once

#include <QImage>
#include <cstddef>

#include "card_images.h"
#include "game_record.h"
#include "geometry.h"
#include "table_look.h"

namespace marnelok {

// The deck column and the grid before placement `index`, in the card size and look given
// (the score panel is left out: the review says what it needs of it). The cell where the card
// went and, when the placement was judged, the advisor's best cell are framed. A null image
// when the record cannot show that placement.
QImage DrawReviewPicture(const history::GameRecord& game, std::size_t index,
                         const TableGeometry& geometry, const TableLook& look,
                         const CardImages& images, qreal devicePixelRatio);

}  // namespace marnelok
