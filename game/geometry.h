// Pixel geometry of the table: card size, card font and the row pitch.
#pragma once

namespace marnelok {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct TableGeometry {
  int cardWidth = 71;
  int cardHeight = 82;
  int cardFontSize = 12;  // points
  // Vertical distance between grid rows. Every cell drawn sets it to cardHeight + 2;
  // the deck stack sets it to 50. The placement mapping and the banner read it.
  int rowPitch = 84;
};

inline constexpr TableGeometry kRegularCards{71, 82, 12, 84};
inline constexpr TableGeometry kLargeCards{82, 108, 16, 110};

// Top-left corner of the cell at board column c (1 to 6) and row r (1 to 5).
constexpr Point CellOrigin(const TableGeometry& g, int column, int row) {
  return {14 + (column - 1) * (g.cardWidth + 4), 4 + (row - 1) * (g.cardHeight + 2)};
}

// Left edge of the score panel: where a seventh column of cells would start.
constexpr int PanelLeft(const TableGeometry& g) { return 14 + 6 * (g.cardWidth + 4); }

}  // namespace marnelok
