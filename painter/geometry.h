// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel layout of the table: card sizes, where each cell is drawn and which cell a pixel
// places into. The table window owns the card size in use; these are pure functions of it.
#pragma once

namespace marnelok {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A board column (1 to 6) and row (1 to 5).
struct Cell {
  int column = 0;
  int row = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// The card size in use: its pixels and the width of the score panel beside the grid.
struct TableGeometry {
  int cardWidth = 71;
  int cardHeight = 82;
  int cardFontSize = 12;  // points
  int panelWidth = 176;
  friend bool operator==(const TableGeometry&, const TableGeometry&) = default;
};

inline constexpr TableGeometry kRegularCards{71, 82, 12, 176};
inline constexpr TableGeometry kLargeCards{82, 108, 16, 198};

// Top-left corner of the cell at board column c (1 to 6) and row r (1 to 5).
constexpr Point CellOrigin(const TableGeometry& g, int column, int row) {
  return {14 + (column - 1) * (g.cardWidth + 4), 4 + (row - 1) * (g.cardHeight + 2)};
}

// The cell that a left-button release at pixel (x, y) places into; it may lie off the grid.
// Division truncates toward zero, so y from 0 to 9 still maps to row 1. The row pitch is
// cardHeight + 2: the painter's row pitch differs from it only while the Top 5 panel is
// shown, and then a release closes the panel instead of placing.
constexpr Cell CellAt(const TableGeometry& g, int x, int y) {
  return {(x - 10) / (g.cardWidth + 4) + 1, (y - 10) / (g.cardHeight + 2) + 1};
}

// Left edge of the score panel: where a seventh column of cells would start.
constexpr int PanelLeft(const TableGeometry& g) { return 14 + 6 * (g.cardWidth + 4); }

// The least area that shows the whole table: to the score panel's right edge and the grid's
// bottom row, with the 4-pixel gap the table keeps above the grid beyond both.
struct TableSize {
  int width = 0;
  int height = 0;
};
constexpr TableSize TableNeeds(const TableGeometry& g) {
  return {PanelLeft(g) + g.panelWidth + 4, CellOrigin(g, 1, 5).y + g.cardHeight + 4};
}

}  // namespace marnelok
