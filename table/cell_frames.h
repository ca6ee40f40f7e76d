// SPDX-License-Identifier: GPL-3.0-or-later
// The frames on advised cells, the hint's and the demo's, drawn and erased in one place.
#pragma once

#include <QObject>
#include <optional>

#include "geometry.h"
#include "table_painter.h"

namespace marnelok {

class Game;

// The one owner of "a frame on a cell". The hint and the demo say when their frame comes
// (frameShown, the cell being what they hold) and goes (frameErased); this draws it at once,
// and erases it by drawing the cell again as the empty slot it is, unless the Top 5 panel
// covers the cell or a card has taken it. The painter draws every frame that stands with each
// board it draws.
class CellFrames : public QObject {
 public:
  // The game and the painter outlive the frames.
  CellFrames(const Game& game, TablePainter& painter, QObject* parent = nullptr)
      : QObject(parent), game_(game), painter_(painter) {}

  // Draws the frame of `source` in the style `frame` while it stands; `framed` gives its cell.
  template <typename Source>
  void Follow(const Source& source, const std::optional<Cell>& (Source::*framed)() const,
              TablePainter::CellFrame frame) {
    connect(&source, &Source::frameShown, this, [this, &source, framed, frame] {
      if (const std::optional<Cell>& cell = (source.*framed)())
        painter_.DrawCellFrame(*cell, frame);
    });
    connect(&source, &Source::frameErased, this, &CellFrames::Erase);
  }

 private:
  void Erase(Cell cell);

  const Game& game_;
  TablePainter& painter_;
};

}  // namespace marnelok
