// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a kept game's table as it stood before a placement.
#include "review_picture.h"

#include "board.h"
#include "placement_judge.h"
#include "table_painter.h"

namespace marnelok {

QImage DrawReviewPicture(const history::GameRecord& game, std::size_t index,
                         const TableGeometry& geometry, const TableLook& look,
                         const CardImages& images, qreal devicePixelRatio) {
  const std::optional<Position> before = PositionBefore(game, index);
  if (!before) return {};
  GameState state;
  ClearBoard(state);
  for (int cell = 0; cell < kGridCells; ++cell)
    state.board[GridColumnOf(cell)][GridRowOf(cell)] = before->cells[static_cast<size_t>(cell)];
  state.currentCard() = before->currentCard;
  state.gameActive = true;  // with no deal counted, no score panel is drawn

  Canvas canvas;
  canvas.Resize(QSize(PanelLeft(geometry), TableNeeds(geometry).height), devicePixelRatio);
  const TopFiveList noList;
  const std::optional<Cell> noHint;
  TablePainter painter(canvas, state, geometry, images, look, noList, noHint);
  painter.SetRowPitch(geometry.cardHeight + 2);
  painter.SystemRepaint();
  const history::PlacementRecord& p = game.placements[index];
  const auto cellOf = [](int cell) { return Cell{GridColumnOf(cell), GridRowOf(cell)}; };
  painter.DrawCellFrame(cellOf(p.cell), TablePainter::CellFrame::kChosen);
  if (p.review && p.review->bestCell >= 0 && p.review->bestCell < kGridCells)
    painter.DrawCellFrame(cellOf(p.review->bestCell), TablePainter::CellFrame::kAdvised);
  return canvas.image();
}

}  // namespace marnelok
