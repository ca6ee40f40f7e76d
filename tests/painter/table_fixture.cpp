// SPDX-License-Identifier: GPL-3.0-or-later
// A table to paint on in tests, and helpers that read the canvas.
#include "table_fixture.h"

#include <QPainter>

namespace marnelok::test {

CardImages StandInImages() {
  const auto solid = [](int w, int h, const QColor& color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
  };
  const auto twin = [&solid](int w, int h, const QColor& color) {
    QImage image = solid(2 * w, 2 * h, color);
    image.setDevicePixelRatio(2.0);
    return image;
  };
  CardImages images;
  const int symbolWidth[] = {0, 21, 23, 19, 21};
  for (int suit = 1; suit <= 4; ++suit) {
    const int pipHeight = suit == kClubs ? 10 : 9;
    images.symbol[suit] = solid(symbolWidth[suit], 23, SymbolColor(suit));
    images.pip[suit] = solid(9, pipHeight, PipColor(suit));
    images.doubled.symbol[suit] = twin(symbolWidth[suit], 23, TwinSymbolColor(suit));
    images.doubled.pip[suit] = twin(9, pipHeight, TwinPipColor(suit));
  }
  images.regularBack = solid(71, 81, kBlack);
  images.largeBack = solid(82, 108, kBlack);
  QPainter(&images.regularBack).fillRect(1, 1, 69, 79, kRegularBackFill);
  QPainter(&images.largeBack).fillRect(1, 1, 80, 106, kLargeBackFill);
  images.doubled.regularBack = twin(71, 81, kBlack);
  images.doubled.largeBack = twin(82, 108, kBlack);
  QPainter(&images.doubled.regularBack).fillRect(1, 1, 69, 79, kTwinRegularBackFill);
  QPainter(&images.doubled.largeBack).fillRect(1, 1, 80, 106, kLargeBackFill);
  return images;
}

PixelTest Exactly(const QColor& color) {
  return [rgb = color.rgb() & 0xFFFFFF](QRgb pixel) { return (pixel & 0xFFFFFF) == rgb; };
}

PixelTest Not(const QColor& color) {
  return [rgb = color.rgb() & 0xFFFFFF](QRgb pixel) { return (pixel & 0xFFFFFF) != rgb; };
}

bool IsDark(QRgb p) { return qRed(p) < 96 && qGreen(p) < 96 && qBlue(p) < 96; }

bool IsReddish(QRgb p) { return qRed(p) > 200 && qGreen(p) < 160 && qGreen(p) == qBlue(p); }

int Count(const QImage& image, const QRect& region, const PixelTest& test) {
  int count = 0;
  const QRect r = region.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

QRect Box(const QImage& image, const QRect& region, const PixelTest& test) {
  QRect box;
  const QRect r = region.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TableTest::TableTest() {
  canvas.Resize(QSize(760, 640));
  canvas.Clear(kUntouched);
  look.cardBack = &images.regularBack;
  for (auto& column : state.board) column.fill(kVoidCode);
  state.deckSlot() = kDeckCode;
}

void TableTest::UseLargeCards() {
  geometry = kLargeCards;
  look.cardBack = &images.largeBack;
}

int TableTest::BannerTop() {
  const int total = state.totalScore;
  state.totalScore = 150;
  canvas.Clear(kUntouched);
  painter.DrawWinBanner();
  state.totalScore = total;
  return Touched().top();
}

void TableTest::UseAltColors() { look.altColors = true; }

void TableTest::Deal() {
  for (int column = 2; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) state.board[column][row] = kEmptySlotCode;
  }
  state.currentCard() = CodeOf(7, kHearts);
  state.dealCount = 1;
  state.gameActive = true;
}

}  // namespace marnelok::test
