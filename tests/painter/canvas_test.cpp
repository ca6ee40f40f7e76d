// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas: text on the pixel grid, high-DPI scaling and the change notification.
// (Rectangle edges are read in the cell tests.)
#include <gtest/gtest.h>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

using CanvasTest = TableTest;

TEST_F(CanvasTest, TextCoversExactlyItsExtentAndMovesByWholePixels) {
  canvas.SetFontSize(12);
  canvas.SetBrush(kYellow);
  const QString text = QStringLiteral("Hg 10");
  const QSize extent = canvas.TextExtent(text);
  EXPECT_EQ(extent.height(), canvas.TextHeight(QStringLiteral("x")));
  canvas.TextAt(20, 30, text);
  EXPECT_EQ(Touched(), QRect(QPoint(20, 30), extent));
  EXPECT_GT(Count(Image(), Touched(), IsDark), 20);
  const QImage first = Image().copy(Touched());
  canvas.Clear(kUntouched);
  canvas.TextAt(21, 60, text);
  EXPECT_EQ(Image().copy(QRect(QPoint(21, 60), extent)), first);
}

TEST_F(CanvasTest, DrawsInLogicalPixelsAtAnyDevicePixelRatio) {
  canvas.Resize(QSize(100, 60), 2.0);
  EXPECT_EQ(Image().size(), QSize(200, 120));
  canvas.Clear(kUntouched);
  canvas.SetBrush(kRed);
  canvas.FillRect(10, 10, 20, 15);
  EXPECT_EQ(Touched(), QRect(20, 20, 20, 10));
  canvas.Clear(kUntouched);
  const QSize extent = canvas.TextExtent(QStringLiteral("Ag"));
  canvas.TextAt(5, 7, QStringLiteral("Ag"));
  EXPECT_EQ(Touched(), QRect(10, 14, 2 * extent.width(), 2 * extent.height()));

  // At fractional ratios a picture takes exactly the pixels a fill of its rectangle takes,
  // frames stay one whole device pixel thick, and the panels' straight edges stay sharp.
  for (const qreal ratio : {1.25, 1.5}) {
    SCOPED_TRACE(ratio);
    canvas.Resize(QSize(100, 60), ratio);
    canvas.Clear(kUntouched);
    canvas.SetBrush(kRed);
    canvas.FillRect(7, 9, 7 + 21, 9 + 23);
    const QRect filled = Touched();
    canvas.Clear(kUntouched);
    canvas.Draw(7, 9, images.symbol[kHearts], images.doubled.symbol[kHearts]);
    EXPECT_EQ(Box(Image(), Image().rect(), Exactly(TwinSymbolColor(kHearts))), filled);
    EXPECT_EQ(Touched(), filled);
    canvas.Clear(kUntouched);
    canvas.SetBrush(kBlack);
    for (int x = 1; x < 90; x += 12) canvas.FrameRect(x, x / 3, x + 9, x / 3 + 11);
    for (int y = 0; y < Image().height(); ++y) {
      for (int x = 0; x < Image().width(); ++x) {
        // A black pixel with black on both sides, across or down, would be a thicker line.
        const bool across = Is(Image(), x - 1, y, kBlack) && Is(Image(), x + 1, y, kBlack);
        const bool down = Is(Image(), x, y - 1, kBlack) && Is(Image(), x, y + 1, kBlack);
        if (Is(Image(), x, y, kBlack) && across && down) ADD_FAILURE() << x << "," << y;
      }
    }
    canvas.Clear(kUntouched);
    canvas.SetBrush(kYellow);
    canvas.SetPen(kBlack);
    canvas.RoundRect(10, 10, 90, 50, 25, 25);
    const QRect panel = Touched();
    EXPECT_EQ(panel, QRect(QPoint(qRound(10 * ratio), qRound(10 * ratio)),
                           QPoint(qRound(90 * ratio) - 1, qRound(50 * ratio) - 1)));
    const int midY = panel.center().y(), midX = panel.center().x();
    EXPECT_TRUE(Is(Image(), panel.left(), midY, kBlack) && Is(Image(), midX, panel.top(), kBlack));
    EXPECT_TRUE(Is(Image(), panel.left() + 1, midY, kYellow) &&
                Is(Image(), midX, panel.bottom() - 1, kYellow));
  }
}

// Device pixels beyond what the screen shows are never made: a scale of 100 once asked for
// 12.5 GB. The ratio drops until the image fits, but never below one pixel per logical pixel.
TEST_F(CanvasTest, NeverHoldsMorePixelsThanTheScreenShows) {
  canvas.Resize(QSize(658, 475), 100.0, QSize(1280, 1024));
  EXPECT_EQ(Image().width(), 1280);
  EXPECT_LE(Image().height(), 1024);
  canvas.Clear(kUntouched);
  canvas.SetBrush(kRed);
  canvas.FillRect(0, 0, 658, 475);  // the table still fills it, to the last pixel but one
  EXPECT_EQ(Touched().topLeft(), QPoint(0, 0));
  EXPECT_GE(Touched().width(), Image().width() - 1);
  EXPECT_GE(Touched().height(), Image().height() - 1);
  canvas.Resize(QSize(1280, 990), 2.0, QSize(800, 600));
  EXPECT_EQ(Image().size(), QSize(1280, 990));
}

TEST_F(CanvasTest, ReportsEachDrawingButNoStateChangeAndIgnoresAnEmptyImage) {
  int changes = 0;
  canvas.SetChangedCallback([&changes] { ++changes; });
  canvas.SetBrush(kRed);
  canvas.SetFontSize(10);
  EXPECT_EQ(changes, 0);
  canvas.FillRect(0, 0, 5, 5);
  canvas.RoundRect(0, 0, 50, 50, 25, 25);
  canvas.TextInRect(0, 0, 9, 9, 0, 0, QStringLiteral("a"));
  canvas.Draw(0, 0, images.pip[1]);
  EXPECT_EQ(changes, 4);
  canvas.Resize(QSize(0, 0));
  canvas.Clear(kRed);
  canvas.TextAt(0, 0, QStringLiteral("a"));
  EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace marnelok::test
