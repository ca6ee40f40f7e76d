// The "Proceed" glyph: a green forward arrow. Its outline and shading are derived from one
// hand-drawn mask, so the normal and the disabled images always have the same shape.
#include "proceed_glyph.h"

#include <array>
#include <string_view>

namespace marnelok {
namespace {

constexpr int kSide = 24;

// '#' is the arrow.
// clang-format off
constexpr std::array<std::string_view, kSide> kArrow = {
    "........................",
    "........................",
    "........................",
    ".............#..........",
    ".............##.........",
    ".............###........",
    ".............####.......",
    ".............#####......",
    "..#################.....",
    "..##################....",
    "..###################...",
    "..####################..",
    "..####################..",
    "..###################...",
    "..##################....",
    "..#################.....",
    ".............#####......",
    ".............####.......",
    ".............###........",
    ".............##.........",
    ".............#..........",
    "........................",
    "........................",
    "........................",
};
// clang-format on

bool inArrow(int x, int y) {
  if (x < 0 || y < 0 || x >= kSide || y >= kSide) return false;
  return kArrow[std::size_t(y)][std::size_t(x)] == '#';
}

bool onEdge(int x, int y) {
  return !inArrow(x - 1, y) || !inArrow(x + 1, y) || !inArrow(x, y - 1) || !inArrow(x, y + 1);
}

void paintNormal(QImage& image) {
  constexpr QRgb outline = 0xff006000;
  constexpr QRgb fill = 0xff00b000;
  constexpr QRgb light = 0xff90ee90;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (!inArrow(x, y)) continue;
      QRgb c = fill;
      if (onEdge(x, y)) {
        c = outline;
      } else if (onEdge(x, y - 1)) {
        c = light;  // a lit top edge gives the arrow a little depth
      }
      image.setPixel(x, y, c);
    }
  }
}

// The classic greyed look: the shape in grey with a white copy one pixel down and right.
void paintDisabled(QImage& image, int left) {
  constexpr QRgb grey = 0xff808080;
  constexpr QRgb white = 0xffffffff;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (inArrow(x, y)) {
        image.setPixel(left + x, y, grey);
      } else if (inArrow(x - 1, y - 1)) {
        image.setPixel(left + x, y, white);
      }
    }
  }
}

}  // namespace

QImage proceedGlyph() {
  QImage image(2 * kSide, kSide, QImage::Format_RGB32);
  image.fill(kGlyphTransparent);
  paintNormal(image);
  paintDisabled(image, kSide);
  return image;
}

}  // namespace marnelok
