// SPDX-License-Identifier: GPL-3.0-or-later
// The small application icons. Scaled down, the large drawing's 25 cards and their suits melt
// into each other; here each size gets the grid its pixels can hold: three by three cards at
// 16 to 24 pixels, five by five at 32, with the same felt, rim, cards and red middle row.
// Every card and gap is a whole number of pixels and the grid sits exactly in the middle.
#include "small_app_icon.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "app_icon.h"

namespace marnelok {
namespace {

struct Plan {
  int size;
  int cells;                // cards in each row and column
  int card;                 // a card's side in pixels
  int gap;                  // felt between two cards
  std::vector<int> corner;  // how far in the tile starts on each of its top rows
  bool shadow;              // a shadow one pixel to the lower right of each card
};

const Plan kPlans[] = {
    {16, 3, 4, 1, {1}, false},
    {22, 3, 6, 1, {2, 1}, false},
    {24, 3, 6, 1, {2, 1}, false},
    {32, 5, 4, 2, {3, 1, 1}, true},
};

constexpr QRgb kFelt = qRgb(30, 122, 58);
constexpr QRgb kShadow = qRgb(18, 84, 38);

const Plan& planFor(int size) {
  for (const Plan& plan : kPlans) {
    if (plan.size == size) return plan;
  }
  throw std::invalid_argument("no small icon drawing of " + std::to_string(size) + " pixels");
}

// Whether (x, y) lies on the tile, whose corners are cut in steps.
bool onTile(const Plan& plan, int x, int y) {
  if (x < 0 || y < 0 || x >= plan.size || y >= plan.size) return false;
  const int rows = static_cast<int>(plan.corner.size());
  const int fromEdge = std::min(y, plan.size - 1 - y);
  const int inset = fromEdge < rows ? plan.corner[static_cast<std::size_t>(fromEdge)] : 0;
  return x >= inset && x < plan.size - inset;
}

// Paints the part of the rectangle that lies on the tile.
void fill(QImage& image, const Plan& plan, int x, int y, int side, QRgb color) {
  for (int v = y; v < y + side; ++v) {
    for (int u = x; u < x + side; ++u) {
      if (onTile(plan, u, v)) image.setPixel(u, v, color);
    }
  }
}

}  // namespace

QImage smallAppIcon(int size) {
  const Plan& plan = planFor(size);
  const int grid = plan.cells * plan.card + (plan.cells - 1) * plan.gap;
  if ((size - grid) % 2 != 0) throw std::logic_error("small icon grid not centred");
  const int origin = (size - grid) / 2;
  // The large drawing's suits at the cards this grid keeps: all of them, or every other one.
  const int stride = (5 - 1) / (plan.cells - 1);

  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  fill(image, plan, 0, 0, size, kFelt);
  for (int row = 0; row < plan.cells; ++row) {
    for (int column = 0; column < plan.cells; ++column) {
      const int x = origin + column * (plan.card + plan.gap);
      const int y = origin + row * (plan.card + plan.gap);
      if (plan.shadow) fill(image, plan, x + 1, y + 1, plan.card, kShadow);
      fill(image, plan, x, y, plan.card, 2 * row == plan.cells - 1 ? kIconCream : kCardWhite);
      // A suit in so few pixels shows only its colour: a square pip inside a one-pixel white
      // border, as large a part of the card as the large drawing's figures.
      const Suit suit = appIconSuit(column * stride, row * stride);
      fill(image, plan, x + 1, y + 1, plan.card - 2, isRed(suit) ? kIconRed : kInkBlack);
    }
  }
  // The rim last, over the edge of anything drawn there: one pixel wherever the tile ends.
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (onTile(plan, x, y) && (!onTile(plan, x - 1, y) || !onTile(plan, x + 1, y) ||
                                 !onTile(plan, x, y - 1) || !onTile(plan, x, y + 1))) {
        image.setPixel(x, y, kIconRim);
      }
    }
  }
  return image;
}

}  // namespace marnelok
