// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the table: the cells, the deck stack, the score panel, the Top 5 panel and the
// WIN banner, each at once on the canvas.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "canvas.h"
#include "card_images.h"
#include "game_state.h"
#include "geometry.h"
#include "table_look.h"

namespace marnelok {

// A text that the painter draws in a fixed place, at a font size in points, and the width in
// pixels that the place has for it. Where `narrowed`, the canvas narrows a wider text to that
// width; elsewhere a wider text would run into its neighbours.
struct PlacedText {
  const char* place = "";  // where, in words
  QString text;
  int points = 0;
  int room = 0;
  bool narrowed = false;
};

// Each routine draws over the current picture; only SystemRepaint clears it first. The
// routines rely on the drawing state that the previous one left on the canvas (the WIN
// banner takes the font size it finds) and on the row pitch, which is the painter's own:
// every cell sets it to cardHeight + 2, the deck stack to 50, and the "Play..." label and
// the WIN banner are placed by it. The painter only reads what it is given.
class TablePainter {
 public:
  // The frames inside an empty cell: the hint's solid yellow band; and those of the review and
  // the demo, apart from the hint's and from the keyboard's dashed black and white frame: a
  // solid magenta band where the player put the card, and a dashed cyan band further in on the
  // advisor's cell.
  enum class CellFrame { kHint, kChosen, kAdvised };

  // hint: the empty cell that the advisor chose, framed while the hint stands.
  TablePainter(Canvas& canvas, const GameState& state, const TableGeometry& geometry,
               const CardImages& images, const TableLook& look, const TopFiveList& topFive,
               const std::optional<Cell>& hint);

  // Vertical distance between grid rows in pixels, until the next routine sets it.
  void SetRowPitch(int pitch) { rowPitch_ = pitch; }
  // The row pitch as it stands: what places the WIN banner. It lives as long as the painter.
  const int& RowPitch() const { return rowPitch_; }
  // Whether the Top 5 panel covers the board: the window sets it before drawing the panel and
  // clears it when the panel closes. It lives as long as the painter.
  void SetTopFiveShown(bool shown) { topFiveShown_ = shown; }
  const bool& TopFiveShown() const { return topFiveShown_; }

  // Clear to the table colour, reset the font and brush, then PaintBoxPaint.
  void SystemRepaint();
  void PaintBoxPaint();
  // One cell for a card code: a card face (1 to 52), an empty slot (53), the next-game
  // tile (77) or a blank (90); any other code draws nothing.
  void DrawCell(int code, int column, int row);
  void DrawDeckStack();
  void DrawBoard();  // the 30 cells and the score panel, or the Top 5 panel while shown
  // The frame of the hint inside its cell, while the cell is an empty slot. It keeps to the
  // cell, so drawing the cell again erases it, and it leaves the drawing state as it found it.
  void DrawHintFrame();
  // The frame inside an empty grid cell, kept to the cell and leaving the drawing state as it
  // found it, like the hint's; a cell that holds a card gets none.
  void DrawCellFrame(Cell cell, CellFrame frame);
  // The demo's next cell, framed as advised with every board drawn while it is set; it
  // outlives the painter.
  void FollowDemoCell(const std::optional<Cell>& cell) { demo_ = &cell; }
  void DrawScorePanel();
  void DrawTopFivePanel();
  void DrawWinBanner();  // only for a total of 150 or more

  // Every text drawn in a fixed place at the card size `geometry`, in the player's language,
  // always in the same order, so that the suite can check each against its room.
  static std::vector<PlacedText> PlacedTexts(const TableGeometry& geometry);

 private:
  void DrawCardFace(int code, int x, int y);
  void DrawPipRow(const QImage& pip, int count, int x, int y);
  // Whether the cell is an empty grid cell that a frame may be drawn in.
  bool Frameable(Cell cell) const;
  // A band `width` pixels wide, `inset` pixels inside the cell's edge, in `color`: solid, or in
  // dashes of `dash` pixels with gaps of the same length.
  void DrawBand(Cell cell, int inset, int width, const QColor& color, int dash = 0);
  // The picture's twin at twice the size where the table has more device pixels than logical
  // ones; else a null image, so that a table at a ratio of 1 never reads the twins.
  const QImage& Twin(const QImage& picture) const;
  QColor CurrentTableColor() const { return TableColor(look_.altColors); }
  QColor CurrentPanelColor() const { return SchemePanelColor(look_.altColors); }

  Canvas& canvas_;
  const GameState& state_;
  const TableGeometry& geometry_;
  const CardImages& images_;
  const TableLook& look_;
  const TopFiveList& topFive_;
  const std::optional<Cell>& hint_;
  const std::optional<Cell>* demo_ = nullptr;
  int rowPitch_ = kRegularCards.cardHeight + 2;
  bool topFiveShown_ = false;
};

}  // namespace marnelok
