// A table to paint on in tests, with stand-in card bitmaps.
#include "table_fixture.h"

#include <QPainter>

namespace marnelok::test {
namespace {

QImage Solid(int width, int height, const QColor& colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage Back(int width, int height, const QColor& fill) {
  QImage image = Solid(width, height, kBlack);
  QPainter(&image).fillRect(1, 1, width - 2, height - 2, fill);
  return image;
}

}  // namespace

QColor SymbolColour(int suit) { return {40 * suit, 100, 200}; }
QColor PipColour(int suit) { return {40 * suit, 200, 100}; }

CardImages StandInImages() {
  CardImages images;
  images.symbol[kHearts] = Solid(21, 23, SymbolColour(kHearts));
  images.symbol[kClubs] = Solid(23, 23, SymbolColour(kClubs));
  images.symbol[kDiamonds] = Solid(19, 23, SymbolColour(kDiamonds));
  images.symbol[kSpades] = Solid(21, 23, SymbolColour(kSpades));
  images.pip[kHearts] = Solid(9, 9, PipColour(kHearts));
  images.pip[kClubs] = Solid(9, 10, PipColour(kClubs));
  images.pip[kDiamonds] = Solid(9, 9, PipColour(kDiamonds));
  images.pip[kSpades] = Solid(9, 9, PipColour(kSpades));
  images.regularBack = Back(71, 81, kRegularBackFill);
  images.largeBack = Back(82, 108, kLargeBackFill);
  return images;
}

int CodeOf(int rank, int suit) { return (suit - 1) * 13 + (rank == 1 ? 13 : rank - 1); }

TableTest::TableTest() {
  canvas.Resize(QSize(760, 640));
  canvas.Clear(kUntouched);
  look.cardBack = &images.regularBack;
  look.screenWidth = 1024;
  for (int column = 1; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) state.board[column][row] = kVoidCode;
  }
  state.deckSlot() = kDeckCode;
}

void TableTest::UseLargeCards() {
  geometry = kLargeCards;
  look.largeCards = true;
  look.cardBack = &images.largeBack;
}

void TableTest::UseAltColors() {
  look.altColors = true;
  look.panelColor = kWhite;
}

void TableTest::Deal() {
  for (int column = 2; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) state.board[column][row] = kEmptySlotCode;
  }
  state.deckSlot() = kDeckCode;
  state.currentCard() = CodeOf(7, kHearts);
  state.dealCount = 1;
  state.gameActive = true;
}

}  // namespace marnelok::test
