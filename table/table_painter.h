// Paints the table: the cells, the deck stack, the score panel, the Top 5 panel and the
// WIN banner, each at once on the canvas.
#pragma once

#include "canvas.h"
#include "card_images.h"
#include "game_state.h"
#include "geometry.h"
#include "table_look.h"

namespace marnelok {

// Each routine draws over the current picture; only SystemRepaint clears it first. The
// routines rely on the drawing state that the previous one left on the canvas (the WIN
// banner takes the font size it finds), and they write geometry.rowPitch: every cell sets
// it to cardHeight + 2, the deck stack to 50.
class TablePainter {
 public:
  TablePainter(Canvas& canvas, GameState& state, TableGeometry& geometry, const CardImages& images,
               const TableLook& look);

  // Clear to the table colour, reset the font and brush, then PaintBoxPaint.
  void SystemRepaint();
  void PaintBoxPaint();
  // One cell for a card code: a card face (1 to 52), an empty slot (53), the next-game
  // tile (77) or a blank (90); any other code draws nothing.
  void DrawCell(int code, int column, int row);
  void DrawDeckStack();
  void DrawBoard();  // the 30 cells and the score panel, or the Top 5 panel while shown
  void DrawScorePanel();
  void DrawTopFivePanel();  // also marks the panel as shown
  void DrawWinBanner();     // only for a total of 150 or more

 private:
  void DrawCardFace(int code, int x, int y);
  void DrawPipRow(const QImage& pip, int count, int x, int y);
  QColor TableColour() const { return TableColor(look_.altColors); }
  QColor PanelColour() const { return SchemePanelColor(look_.altColors); }

  Canvas& canvas_;
  GameState& state_;
  TableGeometry& geometry_;
  const CardImages& images_;
  const TableLook& look_;
};

}  // namespace marnelok
