// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel geometry of the table: which cell a left-button release at a pixel places into.
#include "geometry.h"

#include <gtest/gtest.h>

namespace marnelok::test {
namespace {

// Cells outside columns 2 to 6 and rows 1 to 5 are refused by the rules; the edges matter
// because the division truncates toward zero.
TEST(Geometry, ReleaseZonesForBothCardSizes) {
  struct Zone {
    TableGeometry g;
    int x, y;
    Cell cell;
  };
  const Zone zones[] = {
      {kRegularCards, 9, 50, {1, 1}},   // left of every zone: still the stock column
      {kRegularCards, 84, 50, {1, 1}},  // last pixel of column 1's zone
      {kRegularCards, 85, 50, {2, 1}},  // the 4-pixel gap left of a card belongs to it
      {kRegularCards, 159, 50, {2, 1}},  {kRegularCards, 160, 50, {3, 1}},
      {kRegularCards, 459, 50, {6, 1}},  {kRegularCards, 460, 50, {7, 1}},  // right of the grid
      {kRegularCards, 100, 0, {2, 1}},   // y 0 to 9 still maps to row 1
      {kRegularCards, 100, 93, {2, 1}},  // the top 6 pixels of row 2's card belong to row 1
      {kRegularCards, 100, 94, {2, 2}},  {kRegularCards, 100, 429, {2, 5}},
      {kRegularCards, 100, 430, {2, 6}}, {kRegularCards, -200, -200, {-1, -1}},
      {kLargeCards, 95, 50, {1, 1}},     {kLargeCards, 96, 50, {2, 1}},
      {kLargeCards, 182, 50, {3, 1}},    {kLargeCards, 100, 119, {2, 1}},
      {kLargeCards, 100, 120, {2, 2}},   {kLargeCards, 100, 559, {2, 5}},
      {kLargeCards, 100, 560, {2, 6}},
  };
  for (const auto& z : zones) {
    EXPECT_EQ(CellAt(z.g, z.x, z.y), z.cell) << z.g.cardWidth << ": " << z.x << "," << z.y;
  }
}

}  // namespace
}  // namespace marnelok::test
