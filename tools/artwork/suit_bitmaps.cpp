// SPDX-License-Identifier: GPL-3.0-or-later
// The suit symbols and pips, drawn pixel by pixel: two colors only, so that they stay
// sharp when copied 1:1 onto a white card face, and still read as their suit at 9 pixels.
// Above that size there are pixels enough for the smooth outline.
#include "suit_bitmaps.h"

#include <QPainter>
#include <QTransform>

#include "pixel_map.h"
#include "suit_shapes.h"

namespace marnelok {
namespace {

PixelKey keyFor(Suit suit) { return {{'.', kCardWhite}, {'#', inkOf(suit)}}; }

// The maps are laid out as the pictures they draw.
// clang-format off
QImage heartSymbol() {
  return imageFromPixelMap({".....................",
                            "...#####.....#####...",
                            "..#######...#######..",
                            ".#########.#########.",
                            ".###################.",
                            "#####################",
                            "#####################",
                            "#####################",
                            "#####################",
                            "#####################",
                            ".###################.",
                            ".###################.",
                            "..#################..",
                            "..#################..",
                            "...###############...",
                            "....#############....",
                            ".....###########.....",
                            "......#########......",
                            ".......#######.......",
                            "........#####........",
                            ".........###.........",
                            "..........#..........",
                            "....................."},
                           keyFor(Suit::Hearts));
}

QImage clubSymbol() {
  return imageFromPixelMap({".........#####.........",
                            "........#######........",
                            ".......#########.......",
                            "......###########......",
                            "......###########......",
                            "......###########......",
                            "......###########......",
                            ".......#########.......",
                            "...####.#######.####...",
                            "..######.#####.######..",
                            ".########.###.########.",
                            ".#########.#.#########.",
                            "#######################",
                            "#######################",
                            "#######################",
                            ".#####################.",
                            ".#########.#.#########.",
                            "..#######..#..#######..",
                            "...#####..###..#####...",
                            "..........###..........",
                            ".........#####.........",
                            "........#######........",
                            ".......#########......."},
                           keyFor(Suit::Clubs));
}

QImage diamondSymbol() {
  return imageFromPixelMap({".........#.........",
                            "........###........",
                            "........###........",
                            ".......#####.......",
                            "......#######......",
                            "......#######......",
                            ".....#########.....",
                            "....###########....",
                            "...#############...",
                            "..###############..",
                            ".#################.",
                            "###################",
                            ".#################.",
                            "..###############..",
                            "...#############...",
                            "....###########....",
                            ".....#########.....",
                            "......#######......",
                            "......#######......",
                            ".......#####.......",
                            "........###........",
                            "........###........",
                            ".........#........."},
                           keyFor(Suit::Diamonds));
}

QImage spadeSymbol() {
  return imageFromPixelMap({"..........#..........",
                            ".........###.........",
                            "........#####........",
                            ".......#######.......",
                            "......#########......",
                            ".....###########.....",
                            "....#############....",
                            "...###############...",
                            "..#################..",
                            ".###################.",
                            ".###################.",
                            "#####################",
                            "#####################",
                            "#####################",
                            "#####################",
                            ".###################.",
                            "..#######.#.#######..",
                            "....###...#...###....",
                            ".........###.........",
                            ".........###.........",
                            "........#####........",
                            ".......#######.......",
                            ".....###########....."},
                           keyFor(Suit::Spades));
}

// clang-format on

// The rectangle, in pixel edges, that the figure's ink covers.
QRect inkBox(const QImage& figure, QRgb ink) {
  QRect box;
  for (int y = 0; y < figure.height(); ++y) {
    for (int x = 0; x < figure.width(); ++x) {
      if (figure.pixel(x, y) == ink) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The suit outline filled into the ink box of the pixel figure, `scale` times larger, on
// white. The edges are smoothed against the white of the card they are copied onto.
QImage outlined(const QImage& pixelFigure, Suit suit, int scale) {
  if (scale == 1) return pixelFigure;
  const QRect ink = inkBox(pixelFigure, inkOf(suit));
  const QPainterPath unit = suitPath(suit, QRectF(0, 0, 1, 1));
  const QRectF bounds = unit.boundingRect();
  QTransform toInk;
  toInk.scale(scale, scale);
  toInk.translate(ink.x(), ink.y());
  toInk.scale(ink.width() / bounds.width(), ink.height() / bounds.height());
  toInk.translate(-bounds.x(), -bounds.y());
  QImage image(pixelFigure.size() * scale, QImage::Format_RGB32);
  image.fill(kCardWhite);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(toInk.map(unit), QColor::fromRgb(inkOf(suit)));
  p.end();
  return image;
}

QImage pixelSymbol(Suit suit) {
  // clang-format off
  switch (suit) {
    case Suit::Hearts: return heartSymbol();
    case Suit::Clubs: return clubSymbol();
    case Suit::Diamonds: return diamondSymbol();
    case Suit::Spades: return spadeSymbol();
  }
  return {};
}

QImage pixelPip(Suit suit) {
  const PixelKey key = keyFor(suit);
  // clang-format off
  switch (suit) {
    case Suit::Hearts:
      return imageFromPixelMap({".##...##.",
                                "####.####",
                                "#########",
                                "#########",
                                "#########",
                                ".#######.",
                                "..#####..",
                                "...###...",
                                "....#...."},
                               key);
    case Suit::Clubs:
      return imageFromPixelMap({"...###...",
                                "..#####..",
                                "..#####..",
                                "...###...",
                                ".##.#.##.",
                                "#########",
                                "#########",
                                ".##.#.##.",
                                "....#....",
                                "...###..."},
                               key);
    case Suit::Diamonds:
      return imageFromPixelMap({"....#....",
                                "...###...",
                                "...###...",
                                "..#####..",
                                ".#######.",
                                "..#####..",
                                "...###...",
                                "...###...",
                                "....#...."},
                               key);
    case Suit::Spades:
      return imageFromPixelMap({"....#....",
                                "...###...",
                                "..#####..",
                                ".#######.",
                                "#########",
                                "#########",
                                ".##.#.##.",
                                "....#....",
                                "...###..."},
                               key);
  }
  return {};
}

// clang-format on
}  // namespace

QImage suitSymbol(Suit suit, int scale) { return outlined(pixelSymbol(suit), suit, scale); }

QImage suitPip(Suit suit, int scale) { return outlined(pixelPip(suit), suit, scale); }

}  // namespace marnelok
