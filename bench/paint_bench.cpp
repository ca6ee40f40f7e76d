// SPDX-License-Identifier: GPL-3.0-or-later
// How long a full repaint of a mid-game table takes, with regular and large cards.
// Budget: well under a millisecond, so a repaint never delays input.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "canvas.h"
#include "card_images.h"
#include "game_state.h"
#include "geometry.h"
#include "hand.h"
#include "table_look.h"
#include "table_painter.h"

namespace marnelok {
namespace {

// The program's artwork when it is linked in; otherwise solid images of the same sizes,
// which cost the same to copy.
CardImages BenchImages() {
  CardImages images = LoadCardImages();
  const auto fill = [](QImage& image, int w, int h) {
    if (!image.isNull()) return;
    image = QImage(w, h, QImage::Format_RGB32);
    image.fill(Qt::gray);
  };
  const int symbolWidth[] = {0, 21, 23, 19, 21};
  for (int suit = 1; suit <= 4; ++suit) {
    fill(images.symbol[suit], symbolWidth[suit], 23);
    fill(images.pip[suit], 9, suit == kClubs ? 10 : 9);
  }
  fill(images.regularBack, 71, 81);
  fill(images.largeBack, 82, 108);
  return images;
}

// Fourteen cards on the grid, the rest empty, a card to place and a few scored lines.
GameState MidGame() {
  GameState state;
  for (int column = 1; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) {
      state.board[column][row] = column == 1 ? kVoidCode : kEmptySlotCode;
    }
  }
  int code = 1;
  for (int column = 2; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows && code <= 14 * 3; ++row, code += 3) {
      if ((column + row) % 4 != 0) state.board[column][row] = code;
    }
  }
  state.deckSlot() = kDeckCode;
  state.currentCard() = 50;
  state.lineResults[2].column = kOnePair;
  state.lineResults[3].row = kFlush;
  state.totalScore = 22;
  state.dealCount = 1;
  state.gameActive = true;
  return state;
}

void BM_SystemRepaint(benchmark::State& bench) {
  const bool large = bench.range(0) != 0;
  const CardImages images = BenchImages();
  GameState state = MidGame();
  TableGeometry geometry = large ? kLargeCards : kRegularCards;
  TableLook look;
  look.cardBack = large ? &images.largeBack : &images.regularBack;
  TopFiveList topFive;
  for (int k = 1; k <= 5; ++k) topFive[k - 1] = {QStringLiteral("Player"), 100 * k};
  Canvas canvas;
  canvas.Resize(large ? QSize(745, 580) : QSize(660, 455));
  const std::optional<Cell> hint;
  TablePainter painter(canvas, state, geometry, images, look, topFive, hint);
  for (auto _ : bench) {
    painter.SystemRepaint();
    benchmark::DoNotOptimize(canvas.image().constBits());
  }
  bench.SetLabel(large ? "large cards" : "regular cards");
}
BENCHMARK(BM_SystemRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
