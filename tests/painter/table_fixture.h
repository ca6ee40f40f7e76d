// SPDX-License-Identifier: GPL-3.0-or-later
// A table to paint on in tests, with stand-in card bitmaps of solid colors (so every
// image's position can be read from the pixels) and helpers that read the canvas.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <functional>

#include "table_painter.h"

namespace marnelok::test {

inline const QColor kUntouched(200, 0, 200);  // never painted by the table
inline const QColor kGreen(0, 128, 0), kGrey(128, 128, 128), kYellow(255, 255, 0);
inline const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kRed(255, 0, 0);
inline const QColor kRegularBackFill(192, 192, 192), kLargeBackFill(0, 128, 255);

inline QColor SymbolColor(int suit) { return {40 * suit, 100, 200}; }
inline QColor PipColor(int suit) { return {40 * suit, 200, 100}; }
// The twins at twice the size are told apart from their 1x pictures by colour.
inline QColor TwinSymbolColor(int suit) { return {40 * suit, 60, 240}; }
inline QColor TwinPipColor(int suit) { return {40 * suit, 240, 60}; }
inline const QColor kTwinRegularBackFill(160, 160, 160);
// The sizes of the table's layout; the backs have a black border. Every picture has a twin of twice
// the size with a device pixel ratio of 2.
CardImages StandInImages();
inline int CodeOf(int rank, int suit) { return (suit - 1) * 13 + (rank == 1 ? 13 : rank - 1); }

using PixelTest = std::function<bool(QRgb)>;
PixelTest Exactly(const QColor& color);
PixelTest Not(const QColor& color);
bool IsDark(QRgb pixel);     // black lettering and its smoothed edge
bool IsReddish(QRgb pixel);  // red lettering and its smoothed edge
inline bool Is(const QImage& image, int x, int y, const QColor& color) {
  return image.valid(x, y) && Exactly(color)(image.pixel(x, y));
}
int Count(const QImage& image, const QRect& region, const PixelTest& test);
QRect Box(const QImage& image, const QRect& region, const PixelTest& test);  // bounding box

class TableTest : public ::testing::Test {
 protected:
  TableTest();
  void UseLargeCards();
  void UseAltColors();
  void Deal();  // grid of empty slots, a current card, a game on
  const QImage& Image() const { return canvas.image(); }
  QRect Touched() const { return Box(Image(), Image().rect(), Not(kUntouched)); }
  // Where a WIN banner drawn now would lie: at five halves of the row pitch that the last
  // routine left (84: 210, 50: 125, 110: 275). Draws it on a cleared picture.
  int BannerTop();

  Canvas canvas;
  GameState state;
  TableGeometry geometry = kRegularCards;
  CardImages images = StandInImages();
  TableLook look;
  TopFiveList topFive;
  std::optional<Cell> hint;
  TablePainter painter{canvas, state, geometry, images, look, topFive, hint};
};

}  // namespace marnelok::test
