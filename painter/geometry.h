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

// A rectangle of the table's pixels: its top-left corner and its size.
struct Area {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  constexpr bool Contains(int px, int py) const {
    return px >= x && px < x + width && py >= y && py < y + height;
  }
  friend bool operator==(const Area&, const Area&) = default;
};

// The deck: a left press strictly inside the top card's first outline, from (10, 10), deals
// between games; the deck's tooltip shows over the same pixels.
constexpr Area DeckArea(const TableGeometry& g) {
  return {11, 11, g.cardWidth - 1, g.cardHeight - 1};
}

// The score panel's rounded box beside the grid, and the tops of its text lines, 20 pixels
// apart: its heading at line 1, the columns' heading at 2 and column n at 2 + n, the rows'
// heading at 9 and row n at 9 + n, the total's label at 16 and its figure at 17.
inline constexpr int kPanelLinePitch = 20;
constexpr Area ScorePanelArea(const TableGeometry& g) {
  return {PanelLeft(g), 10, g.panelWidth, 400};
}
constexpr int PanelLineTop(int line) { return 20 + kPanelLinePitch * line; }

// The Top 5 panel over the grid, and its entries 1 to 5, 30 pixels apart.
inline constexpr Area kTopFivePanelArea{60, 10, 400, 324};
constexpr Area TopFiveEntryArea(int entry) { return {120, 30 + 30 * entry, 320, 30}; }

// The WIN banner's band of boxes, across the table at half the height of five rows of the
// painter's row pitch.
inline constexpr int kBannerHeight = 24;
constexpr int BannerTop(int rowPitch) { return (5 * rowPitch) / 2; }

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
