// A table to paint on in tests: canvas, state, geometry and stand-in card bitmaps whose
// solid colours make every image's position readable from the pixels.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "canvas.h"
#include "card_images.h"
#include "game_state.h"
#include "geometry.h"
#include "table_look.h"
#include "table_painter.h"

namespace marnelok::test {

// A colour the painters never use, to see what a routine left untouched.
inline const QColor kUntouched(200, 0, 200);
inline const QColor kGreen(0, 128, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kRegularBackFill(192, 192, 192);
inline const QColor kLargeBackFill(0, 128, 255);

QColor SymbolColour(int suit);
QColor PipColour(int suit);
// Bitmaps of the documented sizes, each one solid colour; the backs have a black border.
CardImages StandInImages();
// The card code of a rank (1 ace to 13 king) in a suit (1 to 4).
int CodeOf(int rank, int suit);

class TableTest : public ::testing::Test {
 protected:
  TableTest();

  void UseLargeCards();
  void UseAltColors();
  // The state right after a deal: grid of empty slots, a current card, a game on.
  void Deal();
  const QImage& Image() const { return canvas.image(); }

  Canvas canvas;
  GameState state;
  TableGeometry geometry = kRegularCards;
  CardImages images = StandInImages();
  TableLook look;
  TablePainter painter{canvas, state, geometry, images, look};
};

}  // namespace marnelok::test
